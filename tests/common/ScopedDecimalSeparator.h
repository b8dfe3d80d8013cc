// Sets the process's decimal separator for one scope and puts the previous one back, so a
// test that needs the comma of a Russian setting cannot leak it into the next test.
#pragma once

#include "toolkit/Conversions.h"

namespace testing_common {

class ScopedDecimalSeparator {
  public:
    explicit ScopedDecimalSeparator(char separator) : scope_(tk::TFormatSettings{separator}) {}

  private:
    tk::TFormatScope scope_;
};

} // namespace testing_common
