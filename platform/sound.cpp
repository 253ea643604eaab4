// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound.h"

#include "platform/journal.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace bq {
namespace {

QString &installedFolder()
{
    static QString folder;
    return folder;
}

} // namespace

void SoundLocator::setInstalledFolder(const QString &folder)
{
    installedFolder() = folder;
}

QStringList SoundLocator::searchDirectories()
{
    const QString &installed = installedFolder();
    // The sound folder's own name, as it also lies beside the program in the build tree.
    const QString sounds = u'/' + QFileInfo(installed).fileName();
    QStringList dirs{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QString appDir = QCoreApplication::applicationDirPath();
        // Beside the program, and where an installation put them, wherever its prefix:
        // under the share folder beside the program's folder (bin/ or games/).
        dirs << appDir << appDir + sounds << QDir::cleanPath(appDir + QStringLiteral("/../share/") + installed);
    }
    return dirs;
}

QString SoundLocator::find(const QString &soundName, const QStringList &directories)
{
    // The name is used exactly as given: no extension is added, no path is accepted.
    if (soundName.isEmpty() || soundName.contains(u'/') || soundName == u"." || soundName == u"..")
        return {};
    for (const QString &dir : directories) {
        const QFileInfo candidate(QDir(dir).filePath(soundName));
        if (candidate.isFile() && candidate.isReadable())
            return candidate.absoluteFilePath();
    }
    return {};
}

Sound &Sound::instance()
{
    // Never destroyed: the sound thread may be stuck in a hung sound server at exit,
    // and the program must not wait for it.
    static Sound *sound = new Sound;
    return *sound;
}

Sound::Sound() : m_backend(makeCanberraBackend())
{
    m_thread = std::thread([this] { run(); });
    m_thread.detach();
}

void Sound::play(const QString &soundName)
{
    Journal::instance().record(QStringLiteral("play"), soundName);
    // The working directory is taken now, as the sound is asked for; the rest of the search
    // list is the same for the whole run.
    if (m_programDirectories.isEmpty() && QCoreApplication::instance())
        m_programDirectories = SoundLocator::searchDirectories().mid(1);
    QStringList directories{QDir::currentPath()};
    directories += m_programDirectories.isEmpty() ? SoundLocator::searchDirectories().mid(1) : m_programDirectories;
    {
        std::lock_guard lock(m_mutex);
        m_pending = Request{soundName, std::move(directories)};
    }
    m_wake.notify_one();
}

void Sound::setBackend(std::unique_ptr<SoundBackend> backend)
{
    std::lock_guard lock(m_mutex);
    m_backend = std::move(backend);
}

bool Sound::waitIdle(int timeoutMs)
{
    std::unique_lock lock(m_mutex);
    return m_idle.wait_for(lock, std::chrono::milliseconds(timeoutMs), [this] { return !m_pending && !m_busy; });
}

void Sound::run()
{
    for (;;) {
        Request request;
        std::shared_ptr<SoundBackend> backend;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_pending.has_value(); });
            request = std::move(*m_pending);
            m_pending.reset();
            backend = m_backend;
            m_busy = true;
        }
        // Empty when nothing was found: the alert plays instead.
        const std::string path = SoundLocator::find(request.soundName, request.directories).toStdString();
        if (backend && (path.empty() || !backend->playFile(path)))
            backend->playAlert();
        {
            std::lock_guard lock(m_mutex);
            m_busy = false;
        }
        m_idle.notify_all();
    }
}

} // namespace bq
