// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

namespace bq {

// What actually makes a noise. Runs on the sound thread only; may block as long as it likes.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // Stops whatever plays and starts the file; false when it cannot be played.
    virtual bool playFile(const std::string &path) = 0;
    // The desktop's own alert sound; false when even that is impossible.
    virtual bool playAlert() = 0;
};

std::unique_ptr<SoundBackend> makeCanberraBackend();

// Where a sound name is looked for, in order: the working directory, the program's own
// directory (and its sound folder), then the installed data folder beside the program's folder.
class SoundLocator {
public:
    // Where an installation puts the program's sounds, relative to the share folder that lies
    // beside the program's folder: <data folder>/<sound folder>. The last part is also looked
    // for beside the program, as in the build tree. Set once at start-up, before the first sound.
    static void setInstalledFolder(const QString &folder);
    static QStringList searchDirectories();
    // The first readable regular file of that exact name, or an empty string.
    static QString find(const QString &soundName, const QStringList &directories = searchDirectories());
};

// The game's one sound channel. play() never blocks: it hands the request to a sound
// thread, where a newer request replaces one still waiting and stops one still playing.
class Sound {
public:
    static Sound &instance();

    void play(const QString &soundName);

    // Tests and benchmarks: swap the backend, wait for the sound thread to settle.
    void setBackend(std::unique_ptr<SoundBackend> backend);
    bool waitIdle(int timeoutMs);

private:
    Sound();
    void run();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    // A sound asked for, and where to look for it; the sound thread finds the file, so
    // that play() itself touches no disk.
    struct Request {
        QString soundName;
        QStringList directories;
    };
    std::optional<Request> m_pending;
    QStringList m_programDirectories; // beside the program and installed; they never change
    std::shared_ptr<SoundBackend> m_backend;
    bool m_busy = false;
    std::thread m_thread;
};

} // namespace bq
