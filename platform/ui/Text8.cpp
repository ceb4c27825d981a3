#include "platform/ui/Text8.h"

#include <QStringView>

namespace {

constexpr char RightToLeftByte = '\xFE';
constexpr char16_t RightToLeftMark = u'\u200F';

}  // namespace

// 0xFE cannot occur inside a UTF-8 sequence, so the pieces between the marks
// decode exactly as the whole would.
QString ToQString(const std::string &Text) {
  QString Result;
  Result.reserve(qsizetype(Text.size()));
  std::string::size_type Start = 0;
  for (;;) {
    const std::string::size_type Mark = Text.find(RightToLeftByte, Start);
    const std::string::size_type End = Mark == std::string::npos ? Text.size() : Mark;
    Result += QString::fromUtf8(Text.data() + Start, qsizetype(End - Start));
    if (Mark == std::string::npos) return Result;
    Result += QChar(RightToLeftMark);
    Start = Mark + 1;
  }
}

std::string FromQString(const QString &Text) {
  std::string Result;
  qsizetype Start = 0;
  for (;;) {
    const qsizetype Mark = Text.indexOf(QChar(RightToLeftMark), Start);
    const qsizetype End = Mark < 0 ? Text.size() : Mark;
    Result += QStringView(Text).sliced(Start, End - Start).toUtf8().toStdString();
    if (Mark < 0) return Result;
    Result += RightToLeftByte;
    Start = Mark + 1;
  }
}
