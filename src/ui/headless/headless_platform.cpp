#include "ui/headless/headless_platform.h"

#include <unistd.h>

#include <filesystem>
#include <limits>

#include "ui/app.h"
#include "ui/clock.h"
#include "ui/control.h"
#include "ui/pictures.h"

namespace sv::ui {

HeadlessPlatform::HeadlessPlatform() : generator_(20260115u) {
    setClock({2026, 1, 15, 10, 30, 0});
}

void HeadlessPlatform::setClock(const DateTime& t) { clockBaseMs_ = toSeconds(t) * 1000 - now_; }

DateTime HeadlessPlatform::now() { return fromSeconds(wallSeconds()); }

std::int64_t HeadlessPlatform::wallSeconds() const {
    const std::int64_t ms = clockBaseMs_ + now_;
    return ms >= 0 ? ms / 1000 : (ms - 999) / 1000;
}

void HeadlessPlatform::armTimer(Timer& timer, int ms) { due_[timer.id()] = {&timer, now_ + ms, seq_++}; }

void HeadlessPlatform::disarmTimer(Timer& timer) { due_.erase(timer.id()); }

int HeadlessPlatform::nextDue() const {
    std::int64_t best = -1;
    for (const auto& [id, d] : due_) {
        if (best < 0 || d.at < best) best = d.at;
    }
    return best < 0 ? -1 : static_cast<int>(best - now_);
}

void HeadlessPlatform::advance(std::int64_t ms) {
    const std::int64_t target = now_ + ms;
    while (!ended_) {
        // The earliest due timer; ties go to the one armed first.
        const Due* next = nullptr;
        for (const auto& [id, d] : due_) {
            if (d.at > target) continue;
            if (next == nullptr || d.at < next->at || (d.at == next->at && d.seq < next->seq)) next = &d;
        }
        if (next == nullptr) break;
        Timer* timer = next->timer;
        const std::uint64_t seq = next->seq;
        now_ = next->at;
        // A periodic timer comes due again one interval later unless its handler changes it;
        // it keeps its place among timers due at the same moment (the order they were armed).
        due_[timer->id()] = {timer, now_ + timer->interval(), seq};
        if (app_) app_->fireTimer(*timer);
    }
    now_ = target;
}

int HeadlessPlatform::defaultAnswer(const MessageBoxSpec& request) {
    static const int ok[] = {kMsgOk};
    static const int okCancel[] = {kMsgOk, kMsgCancel};
    static const int yesNo[] = {kMsgYes, kMsgNo};
    static const int yesNoCancel[] = {kMsgYes, kMsgNo, kMsgCancel};
    const int* buttons = ok;
    int count = 1;
    switch (request.buttons) {
        case MsgButtons::Ok: break;
        case MsgButtons::OkCancel: buttons = okCancel; count = 2; break;
        case MsgButtons::YesNo: buttons = yesNo; count = 2; break;
        case MsgButtons::YesNoCancel: buttons = yesNoCancel; count = 3; break;
    }
    const int k = request.defaultButton >= 1 && request.defaultButton <= count ? request.defaultButton : 1;
    return buttons[k - 1];
}

namespace {
bool offers(MsgButtons buttons, int code) {
    switch (buttons) {
        case MsgButtons::Ok: return code == kMsgOk;
        case MsgButtons::OkCancel: return code == kMsgOk || code == kMsgCancel;
        case MsgButtons::YesNo: return code == kMsgYes || code == kMsgNo;
        case MsgButtons::YesNoCancel: return code == kMsgYes || code == kMsgNo || code == kMsgCancel;
    }
    return false;
}
}  // namespace

int HeadlessPlatform::messageBox(const MessageBoxSpec& request) {
    int answer = defaultAnswer(request);
    if (!answers_.empty()) {
        // An answer the box does not offer cannot be given: the box takes its default button.
        if (offers(request.buttons, answers_.front())) {
            answer = answers_.front();
        } else {
            refusedAnswers_.push_back(answers_.front());
        }
        answers_.pop_front();
    }
    boxes_.push_back({request, answer});
    return answer;
}

std::optional<std::string> HeadlessPlatform::fileDialog(const FileDialogSpec& request) {
    std::optional<std::string> answer;
    if (!dialogs_.empty()) {
        answer = dialogs_.front();
        dialogs_.pop_front();
    }
    dialogLog_.push_back({request, answer});
    return answer;
}

int HeadlessPlatform::shellOpen(const std::string& target, const std::string& parameters, const std::string& folder) {
    shell_.push_back({target, parameters, folder});
    return shellResult_;
}

double HeadlessPlatform::random() {
    if (!randoms_.empty()) {
        const double u = randoms_.front();
        randoms_.pop_front();
        return u;
    }
    return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

int HeadlessPlatform::pictureError(const PictureRef& picture) {
    switch (picture.kind) {
        case PictureRef::Kind::None: return 0;
        case PictureRef::Kind::File: return pictureFileError(picture.name);
        case PictureRef::Kind::Resource: return isResourcePicture(picture.name) ? 0 : 481;
    }
    return 481;
}

namespace {
std::string normalise(const std::string& path) {
    std::error_code ec;
    const auto p = std::filesystem::weakly_canonical(std::filesystem::path(path), ec);
    return ec ? path : p.string();
}
}  // namespace

bool HeadlessPlatform::folderWritable(const std::string& folder) {
    if (!programFolderWritable_ && app_ && normalise(folder) == normalise(app_->programFolder())) return false;
    return ::access(folder.c_str(), W_OK) == 0;
}

std::string HeadlessPlatform::executablePath() {
    std::error_code ec;
    const auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : p.string();
}

void HeadlessPlatform::fileWritten(const std::string& path) { written_[normalise(path)] = wallSeconds(); }

std::optional<DateTime> HeadlessPlatform::fileModified(const std::string& path) {
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return std::nullopt;
    const auto it = written_.find(normalise(path));
    if (it != written_.end()) return fromSeconds(it->second);
    // A file the program did not write: its real time, in UTC.
    const auto t = std::filesystem::last_write_time(path, ec);
    if (ec) return std::nullopt;
    const auto sys = std::chrono::file_clock::to_sys(t);
    return fromSeconds(std::chrono::duration_cast<std::chrono::seconds>(sys.time_since_epoch()).count());
}

}  // namespace sv::ui
