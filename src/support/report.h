// Reporting a trapped run-time error: the error record and the problem report window.
#pragma once

#include "state/module.h"
#include "ui/app.h"
#include "ui/error.h"

namespace sv::support {

// Location codes of the handlers that trap errors.
namespace lieu {
inline constexpr int kSave = 103;
inline constexpr int kOpen = 104;
inline constexpr int kScoresLoad = 105;
inline constexpr int kScoresClear = 107;
inline constexpr int kStartScreen = 109;
inline constexpr int kBoardStart = 110;
inline constexpr int kTimeSettings = 112;
inline constexpr int kTraining = 113;
inline constexpr int kScoresStart = 114;
inline constexpr int kEndOfGame = 119;
inline constexpr int kBoardLoad = 127;
inline constexpr int kQuestion = 128;
inline constexpr int kRecap = 129;
inline constexpr int kRecapFile = 130;
}  // namespace lieu

// Records where and what went wrong and shows the problem report window (only brought to the
// front when it is already open).
void reportError(ui::App& app, state::Module& m, int where, const RuntimeError& e);

}  // namespace sv::support
