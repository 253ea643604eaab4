#include "platform/sound.h"

#include <canberra.h>

namespace bq {
namespace {

// Plays through the desktop's sound server. Every call may block (a hung server holds
// each call for half a minute), which is why it only ever runs on the sound thread.
class CanberraBackend final : public SoundBackend {
public:
    ~CanberraBackend() override
    {
        if (m_context)
            ca_context_destroy(m_context);
    }

    bool playFile(const std::string &path) override
    {
        if (!open())
            return false;
        ca_context_cancel(m_context, kChannel);
        return ca_context_play(m_context, kChannel,
                               CA_PROP_MEDIA_FILENAME, path.c_str(),
                               CA_PROP_CANBERRA_CACHE_CONTROL, "never",
                               nullptr) == CA_SUCCESS;
    }

    bool playAlert() override
    {
        if (!open())
            return false;
        ca_context_cancel(m_context, kChannel);
        return ca_context_play(m_context, kChannel,
                               CA_PROP_EVENT_ID, "dialog-warning",
                               CA_PROP_EVENT_DESCRIPTION, "Brendelquiz",
                               nullptr) == CA_SUCCESS;
    }

private:
    static constexpr uint32_t kChannel = 1;

    bool open()
    {
        if (m_context)
            return true;
        if (ca_context_create(&m_context) != CA_SUCCESS) {
            m_context = nullptr;
            return false;
        }
        ca_context_change_props(m_context,
                                CA_PROP_APPLICATION_NAME, "Brendelquiz",
                                CA_PROP_APPLICATION_ID, "brendelquiz",
                                nullptr);
        if (ca_context_open(m_context) != CA_SUCCESS) {
            // Try again with the next sound: the server may come up later.
            ca_context_destroy(m_context);
            m_context = nullptr;
            return false;
        }
        return true;
    }

    ca_context *m_context = nullptr;
};

} // namespace

std::unique_ptr<SoundBackend> makeCanberraBackend()
{
    return std::make_unique<CanberraBackend>();
}

} // namespace bq
