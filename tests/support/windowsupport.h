#pragma once

#include <functional>

class QDialog;
class QTimer;

namespace WindowSupport {

// Watches for the next modal dialog and hands it to act, which is expected to accept or reject
// it. Polls instead of relying on timing, so a dialog that opens late is still caught; gives up
// after timeoutMs so that a dialog that never opens does not leave a timer behind.
QTimer *whenModal(const std::function<void(QDialog *)> &act, int timeoutMs = 20000);

} // namespace WindowSupport
