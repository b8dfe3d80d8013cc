// The command line as UTF-8 arguments: Windows hands a program its command line as one
// UTF-16 string (GetCommandLineW), split here by Windows' own rules (CommandLineToArgvW), so
// that «zmatch --load 100+50j» typed with any console code page reaches the program as the
// Linux one receives it.
//
//     tkwin::TArguments args = tkwin::TArguments::OfProcess();
//     return cli::Run(program, args.Count(), args.Values(), ...);
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tkwin {

class TArguments {
  public:
    // This process's command line; the program's name first.
    static TArguments OfProcess();
    // A command line as Windows splits it: TArguments(LR"(zmatch.com --load "100 +50j")")
    // gives "zmatch.com", "--load", "100 +50j".
    explicit TArguments(std::wstring_view commandLine);
    explicit TArguments(std::vector<std::string> arguments);

    // A copy points into its own strings; a move keeps the strings where they are.
    TArguments(const TArguments& other) : TArguments(other.Strings) {}
    TArguments& operator=(const TArguments& other);
    TArguments(TArguments&&) = default;
    TArguments& operator=(TArguments&&) = default;

    const std::vector<std::string>& Items() const { return Strings; }
    // As main() receives them: Count() pointers, then a null one; valid while this lives.
    int Count() const { return static_cast<int>(Strings.size()); }
    char** Values() { return Pointers.data(); }

  private:
    void PointAtStrings();

    std::vector<std::string> Strings;
    std::vector<char*> Pointers;
};

} // namespace tkwin
