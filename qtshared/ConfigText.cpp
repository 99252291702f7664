#include "qtshared/ConfigText.h"

#include <QStringDecoder>

namespace radio {
namespace gui {

QString decodeConfigText(const std::string& bytes) {
    const QByteArray raw = QByteArray::fromStdString(bytes);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(raw);
    if (!utf8.hasError()) {
        return text;
    }
    QStringDecoder gbk("GB18030");
    if (gbk.isValid()) {
        return gbk.decode(raw);
    }
    return QString::fromLatin1(raw);
}

std::string textFileToUtf8(const std::string& bytes) {
    return decodeConfigText(bytes).toUtf8().toStdString();
}

}  // namespace gui
}  // namespace radio
