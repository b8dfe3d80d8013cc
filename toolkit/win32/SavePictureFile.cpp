#include "toolkit/win32/PictureActions.h"

#include "toolkit/Exceptions.h"

namespace tkwin {

void SavePictureFile(const tk::TCanvas&, const std::string& path, const std::string&) {
    throw tk::Exception("Не удалось сохранить рисунок в файл «" + path +
                        "»: эта сборка ещё не умеет писать PNG и PDF.");
}

} // namespace tkwin
