#pragma once
// Messages the point view and its position dialogs share.
#include <QString>

namespace pointmsg {

inline QString OutOfRange() {
    return QStringLiteral("緯度、経度が対応範囲外を示しています。");
}
inline QString NoPosition() {
    return QStringLiteral("位置情報を取得出来ませんでした。");
}

}  // namespace pointmsg
