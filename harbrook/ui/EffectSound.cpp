#include <ui/EffectSound.h>

#include <ui/SkinContext.h>

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

#include <utility>

namespace {

QUrl soundUrl(const QString& path) {
    // Compiled-in resources are addressed as qrc URLs, skin folders as local files.
    if (path.startsWith(QLatin1Char(':'))) return QUrl(QStringLiteral("qrc") + path);
    return QUrl::fromLocalFile(path);
}

// One effect object per sound, kept for the run so that a repeated click restarts it at once.
QSoundEffect* effectFor(const QString& path) {
    static QHash<QString, QSoundEffect*> effects;
    QSoundEffect*& effect = effects[path];
    if (!effect) {
        effect = new QSoundEffect(QCoreApplication::instance());
        effect->setSource(soundUrl(path));
    }
    return effect;
}

EffectSoundOutput& output() {
    static EffectSoundOutput current;
    return current;
}

}  // namespace

void SetEffectSoundOutput(EffectSoundOutput sink) {
    output() = std::move(sink);
}

bool PlayEffectSound(int id) {
    if (!ui::SkinContext::Settings().Sound()) return false;
    const QString path = ui::SkinContext::ResourcePath("wave", id);
    if (!QFile::exists(path)) return false;
    if (output())
        output()(path);
    else
        effectFor(path)->play();
    return true;
}
