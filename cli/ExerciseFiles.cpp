#include "cli/ExerciseFiles.h"

#include "exercises/Documents.h"
#include "exercises/Moodle.h"
#include "toolkit/PictureFile.h"

#include <cstdint>
#include <vector>

namespace cli {

void WriteExerciseFiles(const exercises::TExerciseSet& set, const TValues& values) {
    if (const auto f = values.find("worksheets"); f != values.end())
        tk::SavePictureFile(f->second, exercises::WorksheetsPdf(set));
    if (const auto f = values.find("key"); f != values.end())
        tk::SavePictureFile(f->second, exercises::KeyPdf(set));
    if (const auto f = values.find("moodle"); f != values.end()) {
        const std::string xml = exercises::MoodleXml(set);
        tk::SavePictureFile(f->second, std::vector<std::uint8_t>(xml.begin(), xml.end()));
    }
}

} // namespace cli
