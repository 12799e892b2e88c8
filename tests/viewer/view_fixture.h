#pragma once
// What the view's tests share: an empty settings hive per test, reading the stored look back,
// and answering the modal dialogs and message boxes a test provokes from a timer that runs
// inside their modal loops.

#include "platform/registry.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace viewtest {

inline const char *lookKeyPath() {
    return "Software\\KORVEN\\Tarnwick\\List-1";
}

inline void clearSettingsHive() {
    QDir(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/velmora").removeRecursively();
}

// Everything the settings folder holds, as one text.
inline QByteArray settingsHiveText() {
    QByteArray all;
    const QDir folder(QString::fromLocal8Bit(qgetenv("XDG_CONFIG_HOME")) + "/velmora");
    for (const QString &name : folder.entryList(QDir::Files)) {
        QFile file(folder.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            all += file.readAll();
    }
    return all;
}

// A subkey of the look's key ("Font", "BackGroundColor"); null when it does not exist.
inline std::unique_ptr<velmora::platform::RegistryKey> lookKey(const char *subkey) {
    return velmora::platform::RegistryKey::openExisting(velmora::platform::currentUserRoot(),
                                                        std::string(lookKeyPath()) + "\\" + subkey);
}

inline std::optional<std::int32_t> storedInteger(const char *subkey, const char *name) {
    auto key = lookKey(subkey);
    return key ? key->readInteger(name) : std::nullopt;
}

inline std::optional<std::string> storedString(const char *subkey, const char *name) {
    auto key = lookKey(subkey);
    return key ? key->readString(name) : std::nullopt;
}

// Answers modal windows in the order they appear. Message boxes are always confirmed and
// their texts recorded; other dialogs take the queued answers.
class ModalAnswerer : public QObject {
public:
    using Answer = std::function<void(QDialog *)>;

    ModalAnswerer() {
        connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
        m_timer.start(5);
    }

    void answerNext(Answer answer) { m_answers.push_back(std::move(answer)); }

    QStringList messages;
    QStringList captions;
    int dialogsAnswered = 0;

private:
    void poll() {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || modal == m_lastAnswered)
            return;
        if (auto *box = qobject_cast<QMessageBox *>(modal)) {
            m_lastAnswered = modal;
            messages << box->text();
            captions << box->windowTitle();
            box->accept();
            return;
        }
        auto *dialog = qobject_cast<QDialog *>(modal);
        if (!dialog || m_answers.empty())
            return;
        m_lastAnswered = modal;
        // The view keeps its dialogs and shows them again: each showing is answered anew.
        connect(
            dialog, &QDialog::finished, this, [this] { m_lastAnswered = nullptr; },
            Qt::SingleShotConnection);
        ++dialogsAnswered;
        const Answer answer = m_answers.front();
        m_answers.pop_front();
        answer(dialog);
    }

    QTimer m_timer;
    std::deque<Answer> m_answers;
    QPointer<QWidget> m_lastAnswered;
};

} // namespace viewtest
