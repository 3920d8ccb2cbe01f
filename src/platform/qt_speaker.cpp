#include "platform/qt_speaker.h"

#include <QEventLoop>
#include <QTextToSpeech>
#include <QTimer>
#include <stdexcept>

namespace {
const QString engineName = QStringLiteral("flite");

// Long enough for a slow voice to say the sentence, short enough not to freeze the program.
int timeLimitMs(const QString& text) { return 5000 + 150 * int(text.size()); }
}  // namespace

QtSpeaker::QtSpeaker() = default;
QtSpeaker::~QtSpeaker() = default;

void QtSpeaker::Speak(const QString& text) {
    if (text.trimmed().isEmpty()) return;  // nothing would ever start speaking
    if (!voice_) {
        if (!QTextToSpeech::availableEngines().contains(engineName))
            throw std::runtime_error("the flite speech engine is not installed");
        voice_ = std::make_unique<QTextToSpeech>(engineName);
    }
    if (voice_->state() == QTextToSpeech::Error)
        throw std::runtime_error(voice_->errorString().toStdString());

    QEventLoop loop;
    bool started = false;
    const auto connection = QObject::connect(
        voice_.get(), &QTextToSpeech::stateChanged, &loop, [&](QTextToSpeech::State state) {
            if (state == QTextToSpeech::Speaking) started = true;
            else if (started || state == QTextToSpeech::Error) loop.quit();
        });
    QTimer::singleShot(timeLimitMs(text), &loop, &QEventLoop::quit);
    voice_->say(text);
    if (voice_->state() == QTextToSpeech::Speaking) started = true;
    if (voice_->state() != QTextToSpeech::Error) loop.exec();
    QObject::disconnect(connection);
    if (voice_->state() == QTextToSpeech::Error)
        throw std::runtime_error(voice_->errorString().toStdString());
}
