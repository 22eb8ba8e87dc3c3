// Signatures and digests through Windows' cryptography ("crypt32.dll" and
// "advapi32.dll"), loaded when the update first checks a signature.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct Signer {
    std::string PublicKey;     // the key of the signer's certificate, as encoded there
    std::string MessageDigest; // the signed attribute, DER-encoded: the signed content's digest
};

// Verifies the signature of a PKCS #7 signed message over its signed
// attributes with the signer's certificate from the message itself, and names
// the signer. No chain, trust store, time stamp or revocation list is
// consulted. Windows does not always tie the signed attributes to the content:
// the caller compares MessageDigest with the content's own digest.
int VerifySigner(std::string_view message, Signer& signer);

// The SHA-256 digest of the pieces one after another.
int Sha256(const std::vector<std::string_view>& pieces, std::string& digest);

} // namespace platform
