// The sound cues, in a module of their own: the program loads it (and the multimedia system
// with it) when the first cue plays, so that a start without sound does not pay for it.
#include <QCoreApplication>
#include <QSoundEffect>
#include <QString>
#include <QUrl>
#include <unordered_map>

extern "C" Q_DECL_EXPORT void savanto_play_sound(const char* utf8Path) {
    static std::unordered_map<std::string, QSoundEffect*> effects;
    QSoundEffect*& effect = effects[utf8Path];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(QUrl::fromLocalFile(QString::fromUtf8(utf8Path)));
    }
    effect->stop();
    effect->play();
}
