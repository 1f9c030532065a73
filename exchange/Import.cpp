#include "exchange/Handlers.h"

namespace exchange {

void fileDropped(Context &, const QString &) {}

} // namespace exchange
