// The services the program asks of its platform: timers, dialogs, sound, shell, clipboard,
// clock, random numbers, screen. The desktop program implements them with Qt; tests and the
// scenario driver with the headless platform (virtual clock, scripted answers, logs).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/types.h"

namespace sv::ui {

class Timer;
class Window;
class Control;

class Platform {
public:
    virtual ~Platform() = default;

    // Timers: arm (or re-arm, restarting the count) and disarm. Firing goes through
    // App::fireTimer.
    virtual void armTimer(Timer& timer, int ms) = 0;
    virtual void disarmTimer(Timer& timer) = 0;

    // A modal message box; returns 1 (OK), 2 (Cancel), 6 (Yes) or 7 (No).
    virtual int messageBox(const MessageBoxSpec& request) = 0;

    // Open or save dialog: the chosen full path, or nullopt when cancelled.
    virtual std::optional<std::string> fileDialog(const FileDialogSpec& request) = 0;

    // Plays a WAV file without waiting for it; a missing file or no audio stays silent.
    virtual void playSound(const std::string& path) = 0;

    // Opens a document, an address (mailto:) or a program with the system's default action.
    // Returns a result code: above 32 on success, 2 (file not found) or 31 (no association)
    // on failure.
    virtual int shellOpen(const std::string& target, const std::string& parameters,
                          const std::string& folder) = 0;

    virtual void setClipboardText(const std::string& text) = 0;
    virtual void clearClipboard() = 0;
    virtual std::string clipboardText() = 0;

    // True when another instance of the program is already running.
    virtual bool previousInstance() = 0;

    virtual DateTime now() = 0;

    // Milliseconds on a steady clock (never set back), for what must keep pace with real
    // time whatever the timers' precision; the headless platform gives its virtual time.
    virtual std::int64_t steadyMs() = 0;

    // A uniform value in [0, 1).
    virtual double random() = 0;

    // Screen size in twips.
    virtual int screenWidth() = 0;
    virtual int screenHeight() = 0;

    virtual void setPointer(Pointer p) = 0;

    // 0 when the picture can be shown, else the run-time error number (53, 481).
    virtual int pictureError(const PictureRef& picture) = 0;

    // Where an installed program keeps the files it writes, and the user's documents: folders
    // with a trailing separator ("" when the platform has none).
    virtual std::string userDataFolder() = 0;
    virtual std::string documentsFolder() = 0;
    // True when the program may create and replace files in the folder.
    virtual bool folderWritable(const std::string& folder) = 0;

    // The running program's own file.
    virtual std::string executablePath() = 0;

    // The modification time of a file, as the wall clock tells it.
    virtual std::optional<DateTime> fileModified(const std::string& path) = 0;

    // Tells the platform that the program wrote this file (the headless clock stamps it).
    virtual void fileWritten(const std::string& path) { (void)path; }

    // Lets the window system move a window without a title bar with the mouse.
    virtual void beginWindowMove(Window& window) { (void)window; }

    // The program has ended: no more events.
    virtual void programEnded() {}

    // A failure the program absorbs on purpose (it goes on with a default, without the
    // picture...), kept for whoever looks into a problem: category "savanto.files",
    // "savanto.pictures" or "savanto.ui", and what happened.
    virtual void log(const std::string& category, const std::string& message) = 0;
};

// What the renderer needs to hear from the model.
class ViewObserver {
public:
    virtual ~ViewObserver() = default;
    virtual void windowLoaded(Window& w) = 0;
    virtual void windowUnloaded(Window& w) = 0;
    virtual void windowChanged(Window& w) = 0;
    virtual void controlChanged(Control& c) = 0;
    virtual void zOrderChanged(Window& w) = 0;
    virtual void focusChanged(Window& w) = 0;
};

}  // namespace sv::ui
