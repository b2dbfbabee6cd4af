#include "record/FileName.h"

#include <QCryptographicHash>

namespace {
// Login and computer together stay well under the 255 bytes a file name may have.
constexpr std::size_t longestPart = 64;
constexpr std::size_t digestDigits = 12;

bool keptAsItIs(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' ||
           c == '-';
}
} // namespace

std::string fileNamePart(std::string_view text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string part;
    for (unsigned char c : text) {
        if (keptAsItIs(c)) {
            part += char(c);
            continue;
        }
        part += '%';
        part += hex[c >> 4];
        part += hex[c & 0xF];
    }
    if (part.size() <= longestPart)
        return part;
    const QByteArray digest =
        QCryptographicHash::hash(QByteArrayView(text.data(), qsizetype(text.size())),
                                 QCryptographicHash::Sha256)
            .toHex()
            .left(digestDigits);
    part.resize(longestPart - digestDigits - 1);
    return part.append("~").append(digest.constData(), std::size_t(digest.size()));
}

std::string attemptName(const QDateTime& finished, std::string_view login,
                        std::string_view computer, long process, int sequence) {
    std::string name = finished.toString(QStringLiteral("yyyy-MM-ddTHH-mm-ss")).toStdString();
    for (const std::string& part :
         {fileNamePart(login), fileNamePart(computer), std::to_string(process)})
        name.append("_").append(part);
    if (sequence > 1)
        name.append("-").append(std::to_string(sequence));
    return name;
}
