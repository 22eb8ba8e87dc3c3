#include "update/publisher_signature.h"

#include "platform/cryptography.h"
#include "platform/files.h"
#include "update/authenticode.h"

namespace {

// Names the signer of the file's signature once it verifies and covers the
// file as it is: the signed attributes hold the digest of the signed content,
// and that content the digest of the file.
int ReadSignerOfWholeFile(std::string_view file, const AuthenticodeLayout& layout,
                          platform::Signer& signer) {
    SignedContent content;
    std::string contentDigest, fileDigest;
    std::vector<std::string_view> digested;
    for (ByteRange range : layout.Digested)
        digested.push_back(file.substr(range.Offset, range.Size));
    return FindSignedContent(layout.Signature, content) &&
           platform::VerifySigner(layout.Signature, signer) &&
           platform::Sha256({content.Digested}, contentDigest) &&
           DerContents(signer.MessageDigest) == contentDigest &&
           platform::Sha256(digested, fileDigest) && content.FileDigest == fileDigest;
}

} // namespace

int IsFromProgramsPublisher(const std::string& programFile, const std::string& updateFile) {
    std::string program, update;
    AuthenticodeLayout programLayout, updateLayout;
    if (!platform::ReadWholeFile(programFile, program)) return 0;
    if (!ReadAuthenticodeLayout(program, programLayout) || programLayout.Signature.empty())
        return 1;
    platform::Signer publisher, signer;
    return platform::VerifySigner(programLayout.Signature, publisher) &&
           platform::ReadWholeFile(updateFile, update) &&
           ReadAuthenticodeLayout(update, updateLayout) &&
           ReadSignerOfWholeFile(update, updateLayout, signer) &&
           signer.PublicKey == publisher.PublicKey;
}
