#pragma once
// "Ulož": four chart bitmaps and the log, named from the local date and time,
// written into the current directory.
#include <functional>
#include <string>
#include <string_view>

struct TClockReading {
    int Year, Month, Day, Hour, Minute, Second;
};
using TClock = std::function<TClockReading()>;

TClockReading ReadLocalClock();

// "yymmdd_hhmmss"
std::string FileStamp(const TClockReading& reading);

// Writes `bytes` under `name` (relative to the current directory), replacing an
// existing file only once the new one is complete. Throws TAppError with
// "Cannot create file "<full path>". <reason>" or "Stream write error".
void WriteFileReplacing(const std::string& name, std::string_view bytes);

struct TSaveSources {
    std::function<std::string(int chart)> ChartBmp;  // chart 1..4 -> BMP bytes
    std::function<std::string()> LogText;            // whole text of the output area, UTF-8, CR LF
};

// Writes the five outputs in order, one clock reading per output; the first
// failure ends the save (earlier outputs stay).
void SaveOutputs(const TClock& clock, const TSaveSources& sources);
