// Feeds arbitrary bytes to the message text reader and the parameter set: nothing may crash, and
// whatever was read must come back unchanged through one more write and read.

#include "bus/kwobject.h"
#include "curlparameter.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::string bytes(reinterpret_cast<const char *>(data), size);

    // Pairs read from percent-encoded text survive a write and a read byte for byte.
    const CUrlParameter first(bytes, true, size % 2 == 1);
    const CUrlParameter second(first.getUrlParameter(), true, false);
    if (!std::equal(first.begin(), first.end(), second.begin(), second.end()))
        std::abort();

    // A message text, once read, is a fixed point of createMsg / parseMsg.
    QString name;
    std::map<QString, QString> params;
    if (KwObject::parseMsg(QString::fromStdString(bytes), name, params)) {
        QString name2;
        std::map<QString, QString> params2;
        if (!KwObject::parseMsg(KwObject::createMsg(name, params), name2, params2))
            std::abort();
        if (name2 != name || params2 != params)
            std::abort();
    }
    return 0;
}
