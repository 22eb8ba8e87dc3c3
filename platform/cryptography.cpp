#include "platform/cryptography.h"

#include <windows.h>

#include <wincrypt.h>

#include <cstring>
#include <memory>

#include "platform/private/system_library.h"

namespace platform {

namespace {

constexpr DWORD kEncoding = X509_ASN_ENCODING | PKCS_7_ASN_ENCODING;

// The functions of "crypt32.dll" and "advapi32.dll", loaded when first needed.
struct {
    decltype(&::CryptMsgOpenToDecode) OpenToDecode;
    decltype(&::CryptMsgUpdate) Update;
    decltype(&::CryptMsgGetParam) GetParam;
    decltype(&::CryptMsgControl) Control;
    decltype(&::CryptMsgClose) Close;
    decltype(&::CertOpenStore) OpenStore;
    decltype(&::CertGetSubjectCertificateFromStore) FindCertificate;
    decltype(&::CertFreeCertificateContext) FreeCertificate;
    decltype(&::CertCloseStore) CloseStore;
} Crypt32;

struct {
    decltype(&::CryptAcquireContextA) AcquireContext;
    decltype(&::CryptReleaseContext) ReleaseContext;
    decltype(&::CryptCreateHash) CreateHash;
    decltype(&::CryptHashData) HashData;
    decltype(&::CryptGetHashParam) GetHashParam;
    decltype(&::CryptDestroyHash) DestroyHash;
} Advapi32;

int LoadCrypt32() {
    const char* library = "crypt32.dll";
    return LoadFunction(Crypt32.OpenToDecode, library, "CryptMsgOpenToDecode") &&
           LoadFunction(Crypt32.Update, library, "CryptMsgUpdate") &&
           LoadFunction(Crypt32.GetParam, library, "CryptMsgGetParam") &&
           LoadFunction(Crypt32.Control, library, "CryptMsgControl") &&
           LoadFunction(Crypt32.Close, library, "CryptMsgClose") &&
           LoadFunction(Crypt32.OpenStore, library, "CertOpenStore") &&
           LoadFunction(Crypt32.FindCertificate, library, "CertGetSubjectCertificateFromStore") &&
           LoadFunction(Crypt32.FreeCertificate, library, "CertFreeCertificateContext") &&
           LoadFunction(Crypt32.CloseStore, library, "CertCloseStore");
}

int LoadAdvapi32() {
    const char* library = "advapi32.dll";
    return LoadFunction(Advapi32.AcquireContext, library, "CryptAcquireContextA") &&
           LoadFunction(Advapi32.ReleaseContext, library, "CryptReleaseContext") &&
           LoadFunction(Advapi32.CreateHash, library, "CryptCreateHash") &&
           LoadFunction(Advapi32.HashData, library, "CryptHashData") &&
           LoadFunction(Advapi32.GetHashParam, library, "CryptGetHashParam") &&
           LoadFunction(Advapi32.DestroyHash, library, "CryptDestroyHash");
}

struct MessageCloser {
    void operator()(void* message) const { Crypt32.Close(message); }
};
struct StoreCloser {
    void operator()(void* store) const { Crypt32.CloseStore(store, 0); }
};
struct CertificateFreer {
    void operator()(const CERT_CONTEXT* certificate) const { Crypt32.FreeCertificate(certificate); }
};

// A parameter of the message's first signer; empty when it has none. The
// buffer comes from the heap, aligned for the structure it holds.
std::vector<char> SignerParameter(HCRYPTMSG message, DWORD type) {
    DWORD size = 0;
    std::vector<char> value;
    if (!Crypt32.GetParam(message, type, 0, nullptr, &size)) return value;
    value.resize(size);
    if (!Crypt32.GetParam(message, type, 0, value.data(), &size)) value.clear();
    return value;
}

std::string MessageDigestOf(const CRYPT_ATTRIBUTES& attributes) {
    for (DWORD i = 0; i < attributes.cAttr; ++i) {
        const CRYPT_ATTRIBUTE& attribute = attributes.rgAttr[i];
        if (std::strcmp(attribute.pszObjId, szOID_PKCS_9_MESSAGE_DIGEST) == 0 &&
            attribute.cValue == 1)
            return std::string(reinterpret_cast<const char*>(attribute.rgValue[0].pbData),
                               attribute.rgValue[0].cbData);
    }
    return "";
}

} // namespace

int VerifySigner(std::string_view message, Signer& signer) {
    if (!LoadCrypt32()) return 0;
    std::unique_ptr<void, MessageCloser> decoded(
        Crypt32.OpenToDecode(kEncoding, 0, 0, 0, nullptr, nullptr));
    if (!decoded || !Crypt32.Update(decoded.get(), reinterpret_cast<const BYTE*>(message.data()),
                                    static_cast<DWORD>(message.size()), TRUE))
        return 0;
    std::vector<char> signerId = SignerParameter(decoded.get(), CMSG_SIGNER_CERT_INFO_PARAM);
    std::vector<char> attributes = SignerParameter(decoded.get(), CMSG_SIGNER_AUTH_ATTR_PARAM);
    if (signerId.empty() || attributes.empty()) return 0;
    std::unique_ptr<void, StoreCloser> store(
        Crypt32.OpenStore(CERT_STORE_PROV_MSG, kEncoding, 0, 0, decoded.get()));
    if (!store) return 0;
    std::unique_ptr<const CERT_CONTEXT, CertificateFreer> certificate(Crypt32.FindCertificate(
        store.get(), kEncoding, reinterpret_cast<CERT_INFO*>(signerId.data())));
    if (!certificate ||
        !Crypt32.Control(decoded.get(), 0, CMSG_CTRL_VERIFY_SIGNATURE, certificate->pCertInfo))
        return 0;
    const CRYPT_BIT_BLOB& key = certificate->pCertInfo->SubjectPublicKeyInfo.PublicKey;
    signer.PublicKey.assign(reinterpret_cast<const char*>(key.pbData), key.cbData);
    signer.MessageDigest = MessageDigestOf(*reinterpret_cast<CRYPT_ATTRIBUTES*>(attributes.data()));
    return !signer.PublicKey.empty() && !signer.MessageDigest.empty();
}

int Sha256(const std::vector<std::string_view>& pieces, std::string& digest) {
    HCRYPTPROV provider = 0;
    if (!LoadAdvapi32() ||
        !Advapi32.AcquireContext(&provider, nullptr, nullptr, PROV_RSA_AES, CRYPT_VERIFYCONTEXT))
        return 0;
    HCRYPTHASH hash = 0;
    BYTE value[32];
    DWORD length = sizeof value;
    bool done = Advapi32.CreateHash(provider, CALG_SHA_256, 0, 0, &hash);
    for (std::string_view piece : pieces)
        done = done && Advapi32.HashData(hash, reinterpret_cast<const BYTE*>(piece.data()),
                                         static_cast<DWORD>(piece.size()), 0);
    done = done && Advapi32.GetHashParam(hash, HP_HASHVAL, value, &length, 0);
    if (hash) Advapi32.DestroyHash(hash);
    Advapi32.ReleaseContext(provider, 0);
    if (done) digest.assign(reinterpret_cast<const char*>(value), length);
    return done ? 1 : 0;
}

} // namespace platform
