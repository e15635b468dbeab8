#include "ui/help_text.h"

// The six lines of "Pomoc", character for character (two spaces and the
// typographic quotation marks included).
const std::array<std::string_view, 6> HelpLines = {
    "V ľavom dolnom rohu aplikácie sú uvedené parametre Stockerovho modelu.",
    "Hodnotu parametrov možno meniť, pri prvom spustení sa automaticky nastavia východzie hodnoty.",
    "Premiestnením kurzora myši nad hodnotu ľubovolného parametra dosiahneme zobrazenie východzieho nastavenia ako aj intervalu povolených hodnôt.",
    "Tlačidlo „Krokuj“ a  „Vykresli” sa používa na vykreslenie grafov a výpis parametrov modelu ako aj vypočítaných premenných do „Výstupu“.",
    "Výstup  sa dá uložiť pomocou tlačidla „Ulož“.",
    "Ukladajú sa všetky grafy ako aj  vygenerovaný výstup a  to vo formáte rok:mesiac:den:hodina:minúta:sekunda+príslušná prípona súboru.",
};

void ShowHelp(TOutputLog& log)
{
    log.Clear();
    for (const std::string_view line : HelpLines) log.Append(line);
}
