// zmatch's --chain: a chain of elements of the user's own (theory/ChainText.h), from the
// load toward the generator, solved exactly: each node after each element and the input,
// with --band the response across the band, with --touchstone-out the chain's two-port as
// a .s2p file.
//
//     zmatch --chain "series L 12nH; shunt C 2.2pF" --load 20-35j --line 50 --frequency 433.92MHz
//     Цепь (2 элемента), Zв = 50 Ом, f0 = 433,92 МГц: series L 12nH; shunt C 2.2pF
//     Нагрузка: Z = 20,00000-j35,00000 Ом, …
//     Узел 1 (series L 12nH): Z = … Ом, z = …, y = …, Г = …, |Г| = …, КСВ = …, …
//     Вход: …
//
// The chain's picture is not drawn on the command line yet: --picture with --chain is
// refused, as are the single stub's and the methods' options.
#pragma once

#include "cli/Run.h"

#include <memory>

namespace cli {

std::unique_ptr<TSession> OpenChainSession(const TValues& values, const TFileLoad* file);

} // namespace cli
