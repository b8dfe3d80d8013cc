#include "toolkit/PictureFile.h"

#include "toolkit/Exceptions.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <system_error>

namespace tk {

namespace {

namespace fs = std::filesystem;

[[noreturn]] void Refuse(const std::string& path, bool opened) {
    const std::string reason = opened ? "запись не удалась; возможно, на диске нет места"
                                      : "такой папки нет или в неё нельзя писать";
    throw Exception("Не удалось сохранить рисунок в файл «" + path + "»: " + reason +
                    ". Выберите другое место.");
}

// A name beside the target that no file has: "chart.png.3f9a61c2.part".
fs::path Beside(const fs::path& target) {
    std::random_device random;
    static constexpr char kHex[] = "0123456789abcdef";
    for (;;) {
        std::u8string suffix = u8".";
        for (std::uint32_t bits = random(), i = 0; i < 8; ++i, bits >>= 4)
            suffix += char8_t(kHex[bits & 15]);
        fs::path candidate = target;
        candidate += suffix + u8".part";
        std::error_code error;
        if (!fs::exists(candidate, error)) return candidate;
    }
}

} // namespace

void SavePictureFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    fs::path target, part;
    try {
        target = fs::path(std::u8string(path.begin(), path.end()));
        part = Beside(target);
    } catch (const std::exception&) { // a name the file system cannot take
        Refuse(path, false);
    }
    {
        std::ofstream file(part, std::ios::binary | std::ios::trunc);
        if (!file) Refuse(path, false);
        file.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        file.close();
        if (!file) {
            std::error_code ignored;
            fs::remove(part, ignored);
            Refuse(path, true);
        }
    }
    std::error_code error;
    fs::rename(part, target, error);
    if (error) {
        std::error_code ignored;
        fs::remove(part, ignored);
        Refuse(path, true);
    }
}

} // namespace tk
