# The Qt headers nearly every widget source includes, precompiled once per target: they make up
# most of each such source's compile time, so the first build (./scripts/run.sh on a fresh
# clone) and the full build take markedly less. harbrook_qt_pch(<target>).
set(HARBROOK_QT_PCH_HEADERS
  <QApplication> <QWidget> <QPainter> <QString> <QStringList> <QLabel> <QLineEdit> <QComboBox>
  <QPushButton> <QKeyEvent> <QMouseEvent> <QTimer> <QAbstractItemView> <QHeaderView>
  <QFileInfo> <QDir> <string> <vector> <memory> <functional>)

function(harbrook_qt_pch target)
  target_precompile_headers(${target} PRIVATE ${HARBROOK_QT_PCH_HEADERS})
endfunction()
