// The platform without a screen: a virtual clock that fires timers in time order, message
// boxes and file dialogs answered from queues, and logs of everything the program shows,
// plays, opens or copies. Tests and the scenario driver run the program on it.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "ui/platform.h"

namespace sv::ui {

class App;

class HeadlessPlatform : public Platform {
public:
    HeadlessPlatform();

    // The application whose timers this clock fires.
    void attach(App* app) { app_ = app; }

    // --- scene ---
    void setScreen(int widthTwips, int heightTwips) {
        screenW_ = widthTwips;
        screenH_ = heightTwips;
    }
    void setClock(const DateTime& t);
    void queueRandom(double u) { randoms_.push_back(u); }
    void queueAnswer(int code) { answers_.push_back(code); }
    void queueDialog(std::optional<std::string> path) { dialogs_.push_back(std::move(path)); }
    void setPreviousInstance(bool p) { previousInstance_ = p; }
    void setShellResult(int r) { shellResult_ = r; }
    // An installed program: its folder read-only, the user's data and documents folders.
    void setProgramFolderWritable(bool w) { programFolderWritable_ = w; }
    void setUserFolders(std::string data, std::string documents) {
        userData_ = std::move(data);
        documents_ = std::move(documents);
    }

    // Advances virtual time, firing every timer that falls due, in time order; timers due at
    // the same moment fire in the order they were armed.
    void advance(std::int64_t ms);
    std::int64_t elapsed() const { return now_; }
    int nextDue() const;  // ms until the next timer, -1 when none is armed

    // --- logs ---
    struct MessageBoxEntry {
        MessageBoxSpec request;
        int answer = 0;
    };
    struct DialogEntry {
        FileDialogSpec request;
        std::optional<std::string> answer;
    };
    struct ShellEntry {
        std::string target, parameters, folder;
    };
    const std::vector<MessageBoxEntry>& messageBoxes() const { return boxes_; }
    const std::vector<DialogEntry>& dialogs() const { return dialogLog_; }
    const std::vector<std::string>& sounds() const { return sounds_; }
    // The absorbed failures, "category: message".
    const std::vector<std::string>& logs() const { return logs_; }
    void log(const std::string& category, const std::string& message) override { logs_.push_back(category + ": " + message); }
    const std::vector<ShellEntry>& shellRequests() const { return shell_; }
    Pointer pointer() const { return pointer_; }
    // Queued answers that the box they reached did not offer (taken off the list).
    std::vector<int> takeRefusedAnswers() { return std::exchange(refusedAnswers_, {}); }
    bool programHasEnded() const { return ended_; }

    // --- Platform ---
    void armTimer(Timer& timer, int ms) override;
    void disarmTimer(Timer& timer) override;
    int messageBox(const MessageBoxSpec& request) override;
    std::optional<std::string> fileDialog(const FileDialogSpec& request) override;
    void playSound(const std::string& path) override { sounds_.push_back(path); }
    int shellOpen(const std::string& target, const std::string& parameters, const std::string& folder) override;
    void setClipboardText(const std::string& text) override { clipboard_ = text; }
    void clearClipboard() override { clipboard_.clear(); }
    std::string clipboardText() override { return clipboard_; }
    bool previousInstance() override { return previousInstance_; }
    DateTime now() override;
    std::int64_t steadyMs() override { return now_; }
    double random() override;
    int screenWidth() override { return screenW_; }
    int screenHeight() override { return screenH_; }
    void setPointer(Pointer p) override { pointer_ = p; }
    int pictureError(const PictureRef& picture) override;
    std::optional<DateTime> fileModified(const std::string& path) override;
    std::string executablePath() override;
    std::string userDataFolder() override { return userData_; }
    std::string documentsFolder() override { return documents_; }
    bool folderWritable(const std::string& folder) override;
    void fileWritten(const std::string& path) override;
    void programEnded() override { ended_ = true; }

    // The answer a message box takes when nothing is queued: its default button.
    static int defaultAnswer(const MessageBoxSpec& request);

private:
    struct Due {
        Timer* timer;
        std::int64_t at;
        std::uint64_t seq;
    };

    App* app_ = nullptr;
    std::int64_t now_ = 0;  // virtual milliseconds since the clock was set
    std::int64_t clockBaseMs_ = 0;  // wall clock at virtual time 0, in milliseconds
    std::int64_t wallSeconds() const;
    std::vector<int> refusedAnswers_;
    std::uint64_t seq_ = 0;
    std::map<unsigned long long, Due> due_;  // by timer id
    int screenW_ = 15360, screenH_ = 11520;
    std::deque<double> randoms_;
    std::mt19937 generator_;
    std::deque<int> answers_;
    std::deque<std::optional<std::string>> dialogs_;
    bool previousInstance_ = false;
    int shellResult_ = 42;
    std::vector<MessageBoxEntry> boxes_;
    std::vector<DialogEntry> dialogLog_;
    std::vector<std::string> logs_;
    std::vector<std::string> sounds_;
    std::vector<ShellEntry> shell_;
    std::string clipboard_;
    Pointer pointer_ = Pointer::Default;
    std::map<std::string, std::int64_t> written_;  // file -> virtual wall-clock seconds
    bool ended_ = false;
    bool programFolderWritable_ = true;
    std::string userData_, documents_;
};

}  // namespace sv::ui
