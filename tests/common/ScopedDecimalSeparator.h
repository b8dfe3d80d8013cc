// Sets the process's decimal separator for one scope and puts the previous one back, so a
// test that needs the comma of a Russian setting cannot leak it into the next test.
#pragma once

#include "toolkit/Conversions.h"

namespace testing_common {

class ScopedDecimalSeparator {
  public:
    explicit ScopedDecimalSeparator(char separator)
        : saved_(tk::FormatSettings().DecimalSeparator) {
        tk::FormatSettings().DecimalSeparator = separator;
    }
    ~ScopedDecimalSeparator() { tk::FormatSettings().DecimalSeparator = saved_; }
    ScopedDecimalSeparator(const ScopedDecimalSeparator&) = delete;
    ScopedDecimalSeparator& operator=(const ScopedDecimalSeparator&) = delete;

  private:
    char saved_;
};

} // namespace testing_common
