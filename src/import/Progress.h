#pragma once

#include <QtGlobal>
#include <functional>

// Told how far a long piece of work has gone (done out of total); returns false to stop it.
using Progress = std::function<bool(qint64 done, qint64 total)>;
