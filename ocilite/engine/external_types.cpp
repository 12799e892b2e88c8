#include "ocilite/engine/external_types.h"

#include "oci/ociv7.h"
#include "ocilite/engine/errors.h"

#include <initializer_list>
#include <iterator>
#include <string>

namespace ocilite {
namespace {

using F = ExternalFamily;
using L = ExternalLayout;

constexpr ExternalType kTypes[] = {
    {OCIV7_EXT_CHR, F::Text, L::Plain},      {OCIV7_EXT_NUM, F::Number, L::Binary},
    {OCIV7_EXT_INT, F::Number, L::Binary},   {OCIV7_EXT_FLT, F::Number, L::Binary},
    {OCIV7_EXT_STR, F::Text, L::Terminated}, {OCIV7_EXT_VNU, F::Number, L::Binary},
    {OCIV7_EXT_PDN, F::Number, L::Decimal},  {OCIV7_EXT_LNG, F::Text, L::Plain},
    {OCIV7_EXT_VCS, F::Text, L::Prefix2},    {OCIV7_EXT_RID, F::Rowid, L::Binary},
    {OCIV7_EXT_DAT, F::Date, L::Binary},     {OCIV7_EXT_VBI, F::Raw, L::Prefix2},
    {OCIV7_EXT_BIN, F::Raw, L::Plain},       {OCIV7_EXT_LBI, F::Raw, L::Plain},
    {OCIV7_EXT_UIN, F::Number, L::Binary},   {OCIV7_EXT_SLS, F::Number, L::Decimal},
    {OCIV7_EXT_LVC, F::Text, L::Prefix4},    {OCIV7_EXT_LVB, F::Raw, L::Prefix4},
    {OCIV7_EXT_AFC, F::Text, L::Padded},     {OCIV7_EXT_AVC, F::Text, L::PaddedZero},
};

bool oneOf(long length, std::initializer_list<long> sizes) {
    for (long s : sizes)
        if (length == s)
            return true;
    return false;
}

} // namespace

int ExternalType::prefix() const {
    return layout == L::Prefix2 ? 2 : layout == L::Prefix4 ? 4 : 0;
}

bool ExternalType::terminated() const {
    return layout == L::Terminated || layout == L::PaddedZero;
}

bool ExternalType::fitsLength(long length) const {
    switch (code) {
    case OCIV7_EXT_INT:
    case OCIV7_EXT_UIN:
        return oneOf(length, {1, 2, 4, 8});
    case OCIV7_EXT_FLT:
        return oneOf(length, {4, 8});
    case OCIV7_EXT_DAT:
        return length >= 7;
    case OCIV7_EXT_NUM:
    case OCIV7_EXT_VNU:
    case OCIV7_EXT_PDN:
    case OCIV7_EXT_RID:
        return length >= 1;
    case OCIV7_EXT_SLS:
        return length >= 2; // the sign and one digit
    default:
        // -1: characters up to a zero byte, for a type without a length prefix.
        return length >= prefix() || (length == -1 && prefix() == 0);
    }
}

std::optional<ExternalType> externalType(int code) {
    for (const ExternalType &t : kTypes)
        if (t.code == code)
            return t;
    return std::nullopt;
}

ExternalType knownExternalType(int code) {
    const std::optional<ExternalType> t = externalType(code);
    if (!t)
        throw OraError(kOraInconsistentDatatypes,
                       "unsupported external type " + std::to_string(code));
    return *t;
}

ExternalType checkedExternalType(int code, long length, bool define) {
    const ExternalType t = knownExternalType(code);
    if ((define && length <= 0) || !t.fitsLength(length))
        throw OraError(kOraUnsupportedConversion, std::string(define ? "a buffer" : "a variable") +
                                                      " of " + std::to_string(length) +
                                                      " bytes for external type " +
                                                      std::to_string(code));
    return t;
}

} // namespace ocilite
