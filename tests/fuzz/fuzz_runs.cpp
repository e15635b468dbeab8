// Arbitrary bytes as the eight field texts, through a full run and a few step
// clicks. Every outcome must be success, the range message, or one of the
// program's error texts, and the log and charts must stay consistent.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/app_error.h"
#include "model/check_ranges.h"
#include "model/sim_state.h"
#include "runs/memory_sinks.h"
#include "runs/runs.h"

namespace {

void Check(bool condition)
{
    if (!condition) std::abort();
}

TFieldTexts SplitFields(const std::uint8_t* data, std::size_t size)
{
    TFieldTexts texts;
    std::size_t field = 0;
    for (std::size_t i = 0; i < size && field < texts.size(); ++i) {
        if (data[i] == '\n')
            ++field;
        else
            texts[field] += static_cast<char>(data[i]);
    }
    return texts;
}

// `message` comes through what(), so a field text with a NUL byte cuts it short.
bool IsKnownError(std::string_view message, const TFieldTexts& texts)
{
    const auto same = [message](const std::string& expected) {
        return message == std::string_view(expected).substr(0, expected.find('\0'));
    };
    if (message == MsgOverflow || message == MsgDivisionByZero || message == MsgInvalidOperation) return true;
    if (same(InvalidIntegerMessage(texts[0]))) return true;
    for (std::size_t i = 1; i < texts.size(); ++i)
        if (same(InvalidFloatMessage(texts[i]))) return true;
    return false;
}

// Lines after the header, in a log only the program wrote.
std::size_t DataRows(const std::string& text)
{
    Check(text.empty() || text.ends_with("\r\n"));
    std::size_t lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // CR and LF only ever come as a pair.
        if (text[i] == '\r') Check(i + 1 < text.size() && text[i + 1] == '\n');
        if (text[i] == '\n') Check(i > 0 && text[i - 1] == '\r'), ++lines;
    }
    return lines > 10 ? lines - 10 : 0;
}

template <class F>
void RunOnce(F&& run, const TFieldTexts& texts, TMemoryLog& log, TMemoryCharts& charts, TRecordingBox& box)
{
    box.Shown.clear();
    try {
        run();
    } catch (const TAppError& e) {
        Check(IsKnownError(e.what(), texts));
        Check(box.Shown.empty());
    }
    Check(box.Shown.empty() || (box.Shown.size() == 1 && box.Shown[0] == MsgOutOfRange));
    const std::size_t rows = DataRows(log.Contents);
    for (const auto& points : charts.Points) Check(points.size() <= rows + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    ResetSimulationState();
    const TFieldTexts texts = SplitFields(data, size);
    TMemoryLog log;
    TMemoryCharts charts;
    TRecordingBox box;
    const TRunPorts ports{log, charts, box};
    RunOnce([&] { RunFull(texts, ports); }, texts, log, charts, box);
    for (int click = 0; click < 3; ++click) RunOnce([&] { RunStep(texts, ports); }, texts, log, charts, box);
    return 0;
}
