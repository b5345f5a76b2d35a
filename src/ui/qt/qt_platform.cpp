// The desktop platform's services: timers, dialogs, sound, shell, clipboard, instance, clock,
// screen and folders.
#include "ui/qt/qt_widgets.h"

#include <QLoggingCategory>

namespace sv::ui {

namespace {
Q_LOGGING_CATEGORY(logFiles, "savanto.files")
Q_LOGGING_CATEGORY(logPictures, "savanto.pictures")
Q_LOGGING_CATEGORY(logUi, "savanto.ui")
}  // namespace

void QtPlatform::log(const std::string& category, const std::string& message) {
    const QLoggingCategory& c = category == "savanto.files" ? logFiles() : category == "savanto.pictures" ? logPictures() : logUi();
    qCWarning(c).noquote() << qs(message);
}

// ---------------------------------------------------------------------------------------------

QtPlatform::QtPlatform(QString lockName) : lockName_(std::move(lockName)), random_(std::random_device{}()) {
    events_ = new ControlEvents(this, *this);
    describeForScreenReaders(true);
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

QtPlatform::~QtPlatform() {
    describeForScreenReaders(false);
    for (auto& [w, widget] : windows_) {
        widget->forget();
        delete widget;
    }
    if (overrideCursor_) QGuiApplication::restoreOverrideCursor();
}

void QtPlatform::attach(App* app) {
    app_ = app;
    if (app_) app_->setObserver(this);
}

QWidget* QtPlatform::widgetFor(const Window& w) const {
    const auto it = windows_.find(&w);
    return it == windows_.end() ? nullptr : it->second;
}

QWidget* QtPlatform::widgetFor(const Control& c) const {
    const auto it = controls_.find(&c);
    return it == controls_.end() ? nullptr : it->second;
}

Control* QtPlatform::controlAt(QWidget* widget) const {
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (Control* c = byWidget_.value(w, nullptr)) return c;
    }
    return nullptr;
}

// --- timers ---------------------------------------------------------------------------------

void QtPlatform::armTimer(Timer& timer, int ms) {
    QTimer*& t = timers_[timer.id()];
    if (!t) {
        t = new QTimer(this);
        t->setTimerType(Qt::PreciseTimer);
        Timer* model = &timer;
        connect(t, &QTimer::timeout, this, [this, model] {
            if (app_) app_->fireTimer(*model);
        });
    }
    t->start(ms);
}

void QtPlatform::disarmTimer(Timer& timer) {
    const auto it = timers_.find(timer.id());
    if (it == timers_.end()) return;
    it->second->stop();
    it->second->deleteLater();
    timers_.erase(it);
}

// --- dialogs --------------------------------------------------------------------------------

QWidget* QtPlatform::topWidgetForDialogs() const {
    if (QWidget* active = QApplication::activeWindow()) return active;
    if (app_) {
        const auto loaded = app_->windows();
        for (auto it = loaded.rbegin(); it != loaded.rend(); ++it) {
            if ((*it)->visible()) return widgetFor(**it);
        }
    }
    return nullptr;
}

namespace {
// The program breaks its messages' lines itself; the box should not break them again. Qt's box
// wraps a text wider than half the screen (500 pixels at most), so the spaces of lines that
// fit the widest box Qt allows become spaces that do not break: the box grows to the longest
// line instead.
QString noWrapWithin(const QString& text, const QFont& font, const QScreen* screen) {
    const int screenWidth = screen ? screen->availableGeometry().width() : 1024;
    const int widest = screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000);
    const int room = widest - 120;  // the icon and the margins
    const QFontMetrics metrics(font);
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (metrics.horizontalAdvance(line) <= room) line.replace(QLatin1Char(' '), QChar(0x00A0));
    }
    return lines.join(QLatin1Char('\n'));
}
}  // namespace

int QtPlatform::messageBox(const MessageBoxSpec& request) {
    // No parent window: a timer that fires while the box is open may unload any window.
    QMessageBox box;
    box.setWindowModality(Qt::ApplicationModal);
    // Above a window that stays on top (the problem report), or it would hide behind it.
    bool topmost = false;
    if (app_) {
        for (Window* w : app_->windows()) topmost = topmost || (w->topmost() && w->visible());
    }
    box.setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    box.setWindowTitle(qs(request.title));
    box.setText(noWrapWithin(qsLines(request.text), box.font(), box.screen()));
    box.setTextFormat(Qt::PlainText);
    switch (request.icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    struct B {
        const char* text;
        QMessageBox::ButtonRole role;
        int code;
    };
    std::vector<B> wanted;
    switch (request.buttons) {
        case MsgButtons::Ok: wanted = {{"OK", QMessageBox::AcceptRole, kMsgOk}}; break;
        case MsgButtons::OkCancel:
            wanted = {{"OK", QMessageBox::AcceptRole, kMsgOk}, {"Annuler", QMessageBox::RejectRole, kMsgCancel}};
            break;
        case MsgButtons::YesNo:
            wanted = {{"Oui", QMessageBox::YesRole, kMsgYes}, {"Non", QMessageBox::NoRole, kMsgNo}};
            break;
        case MsgButtons::YesNoCancel:
            wanted = {{"Oui", QMessageBox::YesRole, kMsgYes},
                      {"Non", QMessageBox::NoRole, kMsgNo},
                      {"Annuler", QMessageBox::RejectRole, kMsgCancel}};
            break;
    }
    std::vector<QPushButton*> buttons;
    for (const B& b : wanted) buttons.push_back(box.addButton(QString::fromUtf8(b.text), b.role));
    const std::size_t def = request.defaultButton >= 1 && static_cast<std::size_t>(request.defaultButton) <= buttons.size()
                                ? static_cast<std::size_t>(request.defaultButton - 1)
                                : 0;
    box.setDefaultButton(buttons[def]);
    // Escape answers Cancel where there is one, OK on a box with only OK.
    for (std::size_t i = 0; i < wanted.size(); ++i) {
        if (wanted[i].code == kMsgCancel || wanted.size() == 1) box.setEscapeButton(buttons[i]);
    }
    const bool hourglass = overrideCursor_;
    if (hourglass) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (hourglass) QGuiApplication::restoreOverrideCursor();
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (box.clickedButton() == buttons[i]) return wanted[i].code;
    }
    // Closed without a button: Cancel where there is one, else the last button.
    for (const B& b : wanted) {
        if (b.code == kMsgCancel) return kMsgCancel;
    }
    return wanted.back().code;
}

std::optional<std::string> QtPlatform::fileDialog(const FileDialogSpec& request) {
    QFileDialog dialog(nullptr, qs(request.title), qs(request.initialFolder));
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    // "Label (*.ext)|*.ext|" pairs become Qt's "Label (*.ext)" filters.
    const QStringList parts = qs(request.filter).split(QLatin1Char('|'), Qt::SkipEmptyParts);
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i].trimmed();
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (parts.size() >= 2) {
        const QString pattern = parts[1];
        if (pattern.startsWith(QStringLiteral("*."))) dialog.setDefaultSuffix(pattern.mid(2));
    }
    if (!request.fileName.empty()) dialog.selectFile(qs(request.fileName));
    dialog.setLabelText(QFileDialog::LookIn, QStringLiteral("Regarder dans :"));
    dialog.setLabelText(QFileDialog::FileName, QStringLiteral("Nom du fichier :"));
    dialog.setLabelText(QFileDialog::FileType, QStringLiteral("Type de fichier :"));
    dialog.setLabelText(QFileDialog::Accept, request.save ? QStringLiteral("Enregistrer") : QStringLiteral("Ouvrir"));
    dialog.setLabelText(QFileDialog::Reject, QStringLiteral("Annuler"));
    // Wide enough for the size, type and date columns to read in full.
    dialog.resize(820, 480);
    if (auto* tree = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = tree->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int c = 1; c < header->count(); ++c) header->setSectionResizeMode(c, QHeaderView::ResizeToContents);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().first()).toStdString();
}

// --- sound, shell, clipboard ---------------------------------------------------------------

void QtPlatform::playSound(const std::string& path) {
    if (!QFileInfo::exists(qs(path))) return;
    if (!soundTried_) {
        // Without the module (or without audio) the program stays silent.
        soundTried_ = true;
        QLibrary module(QCoreApplication::applicationDirPath() + QStringLiteral("/savanto-sound"));
        playSound_ = reinterpret_cast<PlaySound>(module.resolve("savanto_play_sound"));
    }
    if (playSound_) playSound_(path.c_str());
}

int QtPlatform::shellOpen(const std::string& target, const std::string& parameters, const std::string& folder) {
    const QString t = qs(target);
    if (t.contains(QRegularExpression(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"))) && !QFileInfo::exists(t)) {
        return QDesktopServices::openUrl(QUrl(t)) ? 42 : 31;
    }
    QFileInfo info(t);
    if (info.isRelative() && app_) info = QFileInfo(QDir(qs(app_->programFolder())), t);
    if (!info.exists()) return 2;
    if (info.isExecutable() && !info.isDir() && info.suffix().compare(QStringLiteral("htm"), Qt::CaseInsensitive) != 0 &&
        info.suffix().compare(QStringLiteral("txt"), Qt::CaseInsensitive) != 0) {
        const QStringList args = parameters.empty() ? QStringList() : QProcess::splitCommand(qs(parameters));
        return QProcess::startDetached(info.absoluteFilePath(), args, qs(folder)) ? 42 : 2;
    }
    return QDesktopServices::openUrl(QUrl::fromLocalFile(info.absoluteFilePath())) ? 42 : 31;
}

void QtPlatform::setClipboardText(const std::string& text) { QGuiApplication::clipboard()->setText(qs(text)); }

void QtPlatform::clearClipboard() { QGuiApplication::clipboard()->clear(); }

std::string QtPlatform::clipboardText() { return QGuiApplication::clipboard()->text().toStdString(); }

// --- instance, clock, screen ---------------------------------------------------------------

bool QtPlatform::previousInstance() {
    if (lock_) return false;
    // One lock per user: another user's game does not count.
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty() || !QDir(dir).exists()) {
        dir = QStandardPaths::writableLocation(QStandardPaths::TempLocation) + QStringLiteral("/savanto-") +
              qEnvironmentVariable("USER", QStringLiteral("joueur"));
        QDir().mkpath(dir);
    }
    auto lock = std::make_unique<QLockFile>(dir + QLatin1Char('/') + lockName_ + QStringLiteral(".lock"));
    // A lock left by a run that crashed is stale: its process is gone, so it is taken over.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(100)) {
        // Only a lock another run holds means "already running"; a lock that cannot be
        // written at all does not stop the game.
        if (lock->error() == QLockFile::LockFailedError) return true;
        return false;
    }
    lock_ = std::move(lock);
    return false;
}

DateTime QtPlatform::now() {
    const QDateTime t = QDateTime::currentDateTime();
    return {t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

std::int64_t QtPlatform::steadyMs() {
    if (!steady_.isValid()) steady_.start();
    return steady_.elapsed();
}

double QtPlatform::random() { return std::uniform_real_distribution<double>(0.0, 1.0)(random_); }

int QtPlatform::screenWidth() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return (s ? s->geometry().width() : 1024) * kTwipsPerPixel;
}

int QtPlatform::screenHeight() {
    const QScreen* s = QGuiApplication::primaryScreen();
    return (s ? s->geometry().height() : 768) * kTwipsPerPixel;
}

void QtPlatform::setPointer(Pointer p) {
    if (p == Pointer::Hourglass && !overrideCursor_) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        overrideCursor_ = true;
    } else if (p == Pointer::Default && overrideCursor_) {
        QGuiApplication::restoreOverrideCursor();
        overrideCursor_ = false;
    }
}

int QtPlatform::pictureError(const PictureRef& picture) {
    switch (picture.kind) {
        case PictureRef::Kind::None: return 0;
        case PictureRef::Kind::File: {
            if (!QFileInfo(qs(picture.name)).isFile()) return 53;
            QImageReader reader(qs(picture.name));
            return reader.canRead() ? 0 : 481;
        }
        case PictureRef::Kind::Resource:
            return QFileInfo::exists(QStringLiteral(":/pictures/") + qs(picture.name) + QStringLiteral(".png")) ? 0 : 481;
    }
    return 481;
}

std::optional<DateTime> QtPlatform::fileModified(const std::string& path) {
    const QFileInfo info(qs(path));
    if (!info.exists()) return std::nullopt;
    const QDateTime t = info.lastModified();
    return DateTime{t.date().year(), t.date().month(), t.date().day(), t.time().hour(), t.time().minute(), t.time().second()};
}

std::string QtPlatform::userDataFolder() {
    const QString d = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return d.isEmpty() ? std::string() : (d + QLatin1Char('/')).toStdString();
}

std::string QtPlatform::documentsFolder() {
    QString d = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (d.isEmpty() || !QFileInfo(d).isDir()) d = QDir::homePath();
    return (d + QLatin1Char('/')).toStdString();
}

bool QtPlatform::folderWritable(const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; }

std::string QtPlatform::executablePath() { return QCoreApplication::applicationFilePath().toStdString(); }

void QtPlatform::beginWindowMove(Window& window) {
    QWidget* w = widgetFor(window);
    if (!w) return;
    QWindow* handle = w->windowHandle();
    if (handle && handle->startSystemMove()) return;
    // No window manager support: follow the mouse ourselves until the button is released.
    events_->startManualMove(w);
}

void QtPlatform::programEnded() {
    QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
}

}  // namespace sv::ui
