// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound.h"

#include "platform/on_demand_library.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <canberra.h>

namespace bq {
namespace {

// libcanberra and the codecs it brings are loaded by the sound thread when the first sound
// plays.
struct Canberra {
    decltype(&ca_context_create) create = nullptr;
    decltype(&ca_context_destroy) destroy = nullptr;
    decltype(&ca_context_change_props) changeProps = nullptr;
    decltype(&ca_context_open) open = nullptr;
    decltype(&ca_context_cancel) cancel = nullptr;
    decltype(&ca_context_play) play = nullptr;

    bool loaded() const { return create && destroy && changeProps && open && cancel && play; }

    static const Canberra &library()
    {
        static const Canberra canberra = [] {
            const OnDemandLibrary library("libcanberra.so.0");
            Canberra functions;
            library.resolve(functions.create, "ca_context_create");
            library.resolve(functions.destroy, "ca_context_destroy");
            library.resolve(functions.changeProps, "ca_context_change_props");
            library.resolve(functions.open, "ca_context_open");
            library.resolve(functions.cancel, "ca_context_cancel");
            library.resolve(functions.play, "ca_context_play");
            return functions;
        }();
        return canberra;
    }
};

// Plays through the desktop's sound server. Every call may block (a hung server holds
// each call for half a minute), which is why it only ever runs on the sound thread.
class CanberraBackend final : public SoundBackend {
public:
    // The names the sound server shows for the program, taken on the program's own thread.
    CanberraBackend()
        : m_name(QCoreApplication::applicationName().toUtf8()), m_id(QGuiApplication::desktopFileName().toUtf8())
    {}

    ~CanberraBackend() override
    {
        if (m_context)
            Canberra::library().destroy(m_context);
    }

    bool playFile(const std::string &path) override
    {
        return playOnServer([&](const Canberra &ca) {
            return ca.play(m_context, kChannel, CA_PROP_MEDIA_FILENAME, path.c_str(), CA_PROP_CANBERRA_CACHE_CONTROL,
                           "never", nullptr);
        });
    }

    bool playAlert() override
    {
        return playOnServer([&](const Canberra &ca) {
            return ca.play(m_context, kChannel, CA_PROP_EVENT_ID, "dialog-warning", CA_PROP_EVENT_DESCRIPTION,
                           m_name.constData(), nullptr);
        });
    }

private:
    static constexpr uint32_t kChannel = 1;

    // Plays on the open connection. A sound server that went away since (killed, restarted)
    // leaves the connection dead: it is opened anew, once, and the sound tried again.
    template <typename Play>
    bool playOnServer(Play play)
    {
        for (int attempt = 0; attempt < 2; ++attempt) {
            if (!open())
                return false;
            const Canberra &ca = Canberra::library();
            ca.cancel(m_context, kChannel);
            const int result = play(ca);
            if (result == CA_SUCCESS)
                return true;
            // The sound itself is at fault: another connection would not help.
            if (result == CA_ERROR_NOTFOUND || result == CA_ERROR_CORRUPT || result == CA_ERROR_NOTSUPPORTED
                || result == CA_ERROR_ACCESS || result == CA_ERROR_TOOBIG)
                return false;
            ca.destroy(m_context);
            m_context = nullptr;
        }
        return false;
    }

    bool open()
    {
        if (m_context)
            return true;
        const Canberra &ca = Canberra::library();
        if (!ca.loaded())
            return false;
        if (ca.create(&m_context) != CA_SUCCESS) {
            m_context = nullptr;
            return false;
        }
        ca.changeProps(m_context, CA_PROP_APPLICATION_NAME, m_name.constData(), CA_PROP_APPLICATION_ID,
                       m_id.constData(), nullptr);
        if (ca.open(m_context) != CA_SUCCESS) {
            // Try again with the next sound: the server may come up later.
            ca.destroy(m_context);
            m_context = nullptr;
            return false;
        }
        return true;
    }

    QByteArray m_name;
    QByteArray m_id;
    ca_context *m_context = nullptr;
};

} // namespace

std::unique_ptr<SoundBackend> makeCanberraBackend()
{
    return std::make_unique<CanberraBackend>();
}

} // namespace bq
