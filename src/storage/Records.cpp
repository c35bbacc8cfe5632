#include "Records.h"

#include "ShortString.h"

template <class R> QByteArray encodeRecord(const R& record)
{
    QByteArray bytes(RecordLayout<R>::size, '\0');
    char* field = bytes.data();
    for (const auto& f : RecordLayout<R>::fields) {
        ShortString::store(record.*f.member, field, f.capacity);
        field += f.capacity + 1;
    }
    return bytes;
}

template <class R> R decodeRecord(const char* bytes)
{
    R record;
    for (const auto& f : RecordLayout<R>::fields) {
        record.*f.member = ShortString::load(bytes, f.capacity);
        bytes += f.capacity + 1;
    }
    return record;
}

template QByteArray encodeRecord(const TSchedaLibro&);
template QByteArray encodeRecord(const TSchedaDVD&);
template QByteArray encodeRecord(const TSchedaTesserato&);
template QByteArray encodeRecord(const TSchedaPrestito&);
template TSchedaLibro decodeRecord(const char*);
template TSchedaDVD decodeRecord(const char*);
template TSchedaTesserato decodeRecord(const char*);
template TSchedaPrestito decodeRecord(const char*);
