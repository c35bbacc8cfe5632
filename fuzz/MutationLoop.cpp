// A deterministic stand-in for a coverage-guided fuzzer: the seeds of a corpus folder, then a
// fixed number of inputs mutated from them by a seeded generator, each handed to the target.
// The same run gives the same inputs, so a failure found here is found again.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace {

constexpr qsizetype kMaxInput = 8192;

// xorshift64*: small, fast and the same on every machine.
class Generator {
public:
    quint64 next()
    {
        m_state ^= m_state >> 12;
        m_state ^= m_state << 25;
        m_state ^= m_state >> 27;
        return m_state * 2685821657736338717ULL;
    }
    qsizetype below(qsizetype n) { return n <= 0 ? 0 : qsizetype(next() % quint64(n)); }

private:
    quint64 m_state = 0x9E3779B97F4A7C15ULL;
};

// Bytes that mean something to the readers: lengths, separators, line ends, digits.
const char kTelling[] = {0, 1, 2, 10, '\xFF', '\x7F', '\x80', '/', '=', '[', ']', '\r', '\n', '"', '0', '9',
    'A', 'f', ' ', '\t'};

void mutate(QByteArray& input, const QList<QByteArray>& seeds, Generator& g)
{
    const int steps = 1 + int(g.below(8));
    for (int s = 0; s < steps; ++s) {
        const qsizetype at = g.below(input.size() + 1);
        switch (g.below(7)) {
        case 0:
            if (!input.isEmpty())
                input[g.below(input.size())] ^= char(1 << g.below(8));
            break;
        case 1:
            if (!input.isEmpty())
                input[g.below(input.size())] = kTelling[g.below(sizeof kTelling)];
            break;
        case 2:
            input.insert(at, char(g.next()));
            break;
        case 3:
            input.remove(at, 1 + g.below(16));
            break;
        case 4:
            input.insert(at, input.mid(g.below(input.size()), 1 + g.below(64)));
            break;
        case 5: {
            const QByteArray& other = seeds.at(g.below(seeds.size()));
            input.insert(at, other.mid(g.below(other.size()), 1 + g.below(256)));
            break;
        }
        default:
            input.truncate(g.below(input.size() + 1));
            break;
        }
    }
    input.truncate(kMaxInput);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s <cartella dei semi> <numero di prove>\n", argv[0]);
        return 2;
    }
    QList<QByteArray> seeds;
    const QDir corpus(QString::fromLocal8Bit(argv[1]));
    for (const QString& name : corpus.entryList(QDir::Files, QDir::Name)) {
        QFile file(corpus.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            seeds << file.readAll();
    }
    if (seeds.isEmpty()) {
        std::fprintf(stderr, "nessun seme in %s\n", argv[1]);
        return 2;
    }
    const long runs = std::strtol(argv[2], nullptr, 10);
    Generator g;
    for (const QByteArray& seed : seeds)
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(seed.constData()), size_t(seed.size()));
    for (long i = 0; i < runs; ++i) {
        QByteArray input = seeds.at(g.below(seeds.size()));
        mutate(input, seeds, g);
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(input.constData()), size_t(input.size()));
    }
    std::printf("%ld prove, nessun errore\n", runs + long(seeds.size()));
    return 0;
}
