// A text saved where the user says: the host's save question, then the file written whole
// through a path read as UTF-8 (so that a Cyrillic name is kept on Windows too).
#include "toolkit/Application.h"

#include <filesystem>
#include <fstream>

namespace tk {

bool THost::SaveText(const TSaveFileQuestion& question, const std::string& text) {
    const std::optional<std::string> path = AskSavePath(question);
    if (!path) return false;
    namespace fs = std::filesystem;
    const fs::path file(std::u8string(path->begin(), path->end()));
    const std::string shown = "Не удалось записать файл «" + *path + "»: ";
    std::error_code error;
    if (fs::is_directory(file, error)) throw Exception(shown + "это папка, а не файл.");
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) throw Exception(shown + "нет доступа к нему или к его папке.");
    out.write(text.data(), std::streamsize(text.size()));
    out.close();
    if (!out) throw Exception(shown + "запись прервалась (нет места на диске?).");
    return true;
}

} // namespace tk
