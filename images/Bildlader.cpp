#include "images/Bildlader.h"

Bildlader::Bildlader(std::function<void()> fertig) : fertig_(std::move(fertig)) {}

Bildlader::~Bildlader()
{
    {
        const std::lock_guard<std::mutex> sperre(mutex_);
        ende_ = true;
        wartend_.reset();
    }
    wecken_.notify_all();
    if (faden_.joinable()) faden_.join();
}

uint64_t Bildlader::Laden(const std::string& datei, bool bibliothek, std::unique_ptr<Ersatzlader> ersatz)
{
    std::optional<Auftrag> ueberholt;
    std::optional<Ergebnis> verworfen;
    uint64_t nummer = 0;
    {
        const std::lock_guard<std::mutex> sperre(mutex_);
        nummer = ++neueste_;
        ueberholt = std::move(wartend_);
        verworfen = std::move(ergebnis_);
        ergebnis_.reset();
        wartend_ = Auftrag{nummer, datei, bibliothek, std::move(ersatz)};
        if (!faden_.joinable()) faden_ = std::thread(&Bildlader::Arbeiten, this);
    }
    wecken_.notify_all();
    return nummer;
}

void Bildlader::Verwerfen()
{
    std::optional<Auftrag> ueberholt;
    std::optional<Ergebnis> verworfen;
    const std::lock_guard<std::mutex> sperre(mutex_);
    ++neueste_;
    ueberholt = std::move(wartend_);
    wartend_.reset();
    verworfen = std::move(ergebnis_);
    ergebnis_.reset();
}

std::optional<Bildlader::Ergebnis> Bildlader::Abholen()
{
    const std::lock_guard<std::mutex> sperre(mutex_);
    std::optional<Ergebnis> ergebnis = std::move(ergebnis_);
    ergebnis_.reset();
    return ergebnis;
}

void Bildlader::Arbeiten()
{
    std::unique_lock<std::mutex> sperre(mutex_);
    for (;;) {
        wecken_.wait(sperre, [this] { return ende_ || wartend_; });
        if (ende_) return;
        Auftrag auftrag = std::move(*wartend_);
        wartend_.reset();
        sperre.unlock();
        Ergebnis ergebnis;
        ergebnis.nummer = auftrag.nummer;
        ergebnis.bild = std::make_unique<clsImage>(auftrag.bibliothek);
        ergebnis.lader = ergebnis.bild->Lesen(auftrag.datei, auftrag.ersatz.get());
        ergebnis.ersatz = std::move(auftrag.ersatz);
        sperre.lock();
        // Overtaken: the picture goes at once, before the next one is decoded.
        if (ende_ || auftrag.nummer != neueste_) {
            sperre.unlock();
            ergebnis = {};
            sperre.lock();
            continue;
        }
        ergebnis_ = std::move(ergebnis);
        sperre.unlock();
        fertig_();
        sperre.lock();
    }
}
