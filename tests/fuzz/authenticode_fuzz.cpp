// Arbitrary bytes as a downloaded program file: reading its signature stays within the file, the
// digested ranges come in order and leave the signature out, the signed content lies within it.
#include <cstdint>
#include <cstdlib>

#include "update/authenticode.h"

static bool Within(std::string_view part, std::string_view whole) {
    return part.data() >= whole.data() && part.data() + part.size() <= whole.data() + whole.size();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view file(reinterpret_cast<const char*>(data), size);
    AuthenticodeLayout layout;
    if (!ReadAuthenticodeLayout(file, layout)) return 0;
    std::int64_t end = 0, signature = layout.Signature.data() - file.data();
    bool isSigned = !layout.Signature.empty();
    for (ByteRange range : layout.Digested) {
        if (range.Offset < end || range.Size < 0 ||
            (isSigned && range.Offset <= signature && signature < range.Offset + range.Size))
            std::abort();
        end = range.Offset + range.Size;
    }
    if (end > static_cast<std::int64_t>(size) || (isSigned && !Within(layout.Signature, file)))
        std::abort();
    SignedContent content;
    if (FindSignedContent(layout.Signature, content) &&
        !(Within(content.Digested, layout.Signature) &&
          Within(content.FileDigest, content.Digested)))
        std::abort();
    return 0;
}
