// Where a program file's Authenticode signature lies and what it covers, read
// from the file's bytes alone. The bytes come from the network: every offset
// and length is checked before it is followed.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

struct ByteRange {
    std::int64_t Offset, Size;
};

struct AuthenticodeLayout {
    // What the file's digest covers, in order: the whole file but its
    // checksum, the certificate table's directory entry and that table.
    std::vector<ByteRange> Digested;
    // The signature: the PKCS #7 signed message of the table's first
    // certificate; empty in a file without a certificate table.
    std::string_view Signature;
};

// Answers 0 when the file's headers or its certificate table are broken, or
// its certificate is not a PKCS #7 signed message.
int ReadAuthenticodeLayout(std::string_view file, AuthenticodeLayout& layout);

struct SignedContent {
    // What the signer's digest covers: the contents of the signed message's
    // SpcIndirectDataContent, without its tag and length.
    std::string_view Digested;
    std::string_view FileDigest; // the program file's digest in it
};

// Answers 0 when the signature holds no such content.
int FindSignedContent(std::string_view signature, SignedContent& content);

// The contents of the DER element that bytes begin with; empty when it does
// not fit in them.
std::string_view DerContents(std::string_view bytes);
