#include "chart/ChainFiles.h"

#include "chart/ChainFields.h"
#include "chart/ChainForm.h"
#include "theory/ChainTouchstone.h"

#include "toolkit/Application.h"
#include "toolkit/Exceptions.h"

#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

namespace chart {

const char* const kExportFrequencyMessage =
    "Touchstone-файл описывает цепь на частотах 0,5–1,5 f0: сначала задайте f0.";

namespace {

constexpr const char* kChainFilter = "Файлы цепи (*.chain *.txt)";
constexpr const char* kTouchstoneFilter = "Файлы Touchstone (*.s2p)";
// A chain of a few elements is a few hundred bytes.
constexpr std::uintmax_t kMaxChainFileBytes = 1 << 20;

// Whether the file gives its own f0: a line whose first word is «frequency».
bool SaysFrequency(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        while (!line.empty() && std::isspace(static_cast<unsigned char>(line.front())))
            line.remove_prefix(1);
        std::string word;
        for (char c : line.substr(0, 9))
            word += char(std::tolower(static_cast<unsigned char>(c)));
        if (word == "frequency") return true;
    }
    return false;
}

std::string ReadWholeFile(const std::string& path) {
    namespace fs = std::filesystem;
    const std::string shown = "Не удалось открыть файл «" + path + "»: ";
    fs::path file;
    try {
        file = fs::path(std::u8string(path.begin(), path.end()));
    } catch (const std::exception&) {
        throw tk::Exception(shown + "такого имени файла не бывает.");
    }
    std::error_code error;
    if (!fs::is_regular_file(file, error)) throw tk::Exception(shown + "такого файла нет.");
    if (fs::file_size(file, error) > kMaxChainFileBytes)
        throw tk::Exception(shown + "он больше 1 МБ, а цепь много меньше.");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw tk::Exception(shown + "нет доступа к нему.");
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw tk::Exception(shown + "чтение не удалось.");
    return text;
}

// The name the save dialog proposes.
std::string FileName(const char* extension) {
    return std::string("цепь") + extension;
}

} // namespace

TOpenedChain HeldChain(theory::TChain chain) {
    TOpenedChain held{std::move(chain), 0};
    const double omega = 2 * theory::Pi * held.Chain.F0Hz;
    for (theory::TChainElement& e : held.Chain.Elements) {
        const bool lc = e.Kind == theory::TChainKind::L || e.Kind == theory::TChainKind::C;
        if (lc && !e.Reactance && omega > 0) {
            e.Value = e.Kind == theory::TChainKind::L ? omega * e.Value : 1 / (omega * e.Value);
            e.Reactance = true;
        }
        if (e.Kind == theory::TChainKind::Line && e.Vf > 0 && held.Chain.F0Hz > 0) {
            e.Value = WavesOfMetres(e.Value, e.Vf, held.Chain.F0Hz);
            held.Vf = e.Vf;
            e.Vf = 0;
        }
    }
    return held;
}

TOpenedChain ChainOfFileText(std::string_view text, double lineOhms, double f0Hz) {
    // The file's own f0 stands; without one, the window's.
    theory::TChainFile file = theory::ReadChainFile(text, SaysFrequency(text) ? 0 : f0Hz);
    if (!file.HasImpedance) file.Chain.LineOhms = lineOhms;
    return HeldChain(std::move(file.Chain));
}

std::vector<double> ExportRatios() {
    std::vector<double> ratios;
    for (int i = 0; i <= 200; ++i)
        ratios.push_back(0.5 + i / 200.0);
    return ratios;
}

void OpenChainFile(tk::TForm& chainForm) {
    auto& f = dynamic_cast<TChainForm&>(chainForm);
    if (!f.Application) return;
    const auto path = f.Application->AskOpenPath({"Открыть цепь", kChainFilter});
    if (!path) return;
    const std::string text = ReadWholeFile(*path);
    TOpenedChain opened;
    try {
        opened = ChainOfFileText(text, f.Chain().LineOhms, f.Chain().F0Hz);
    } catch (const tk::Exception& e) {
        throw tk::Exception("Файл «" + *path + "» не читается как цепь. " + e.Message);
    }
    f.TakeChain({f.LoadOhms(), opened.Chain.LineOhms, opened.Chain.F0Hz}, opened.Chain,
                opened.Vf);
}

void SaveChainFile(tk::TForm& chainForm) {
    auto& f = dynamic_cast<TChainForm&>(chainForm);
    if (!f.Application) return;
    f.Application->SaveText({"Сохранить цепь", kChainFilter, FileName(".chain")},
                            theory::ChainFileText(f.Chain()));
}

void ExportChainTouchstone(tk::TForm& chainForm) {
    auto& f = dynamic_cast<TChainForm&>(chainForm);
    if (!f.Application) return;
    if (!(f.Chain().F0Hz > 0)) throw tk::Exception(kExportFrequencyMessage);
    const std::vector<double> ratios = ExportRatios();
    // Made before the question, so that a chain without a finite answer says so first.
    const std::string text = theory::ChainTouchstone(f.Chain(), ratios);
    f.Application->SaveText({"Экспорт в Touchstone", kTouchstoneFilter, FileName(".s2p")},
                            text);
}

} // namespace chart
