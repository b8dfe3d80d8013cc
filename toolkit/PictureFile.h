// A picture's file written whole or not at all: the bytes go to a new file beside the target
// and are renamed over it only once they are all on disk; an unfinished one is removed, and
// a file already at the target stays as it was. The path is UTF-8 on every platform (on
// Windows it reaches the file system as UTF-16).
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace tk {

// When it cannot, raises tk::Exception with a message in Russian: «Не удалось сохранить
// рисунок в файл «…/chart.png»: такой папки нет или в неё нельзя писать. Выберите другое
// место.»
void SavePictureFile(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace tk
