#pragma once
// Loads pictures on a worker thread, so that the window keeps answering while a large picture is
// decoded. One picture is decoded at a time: a request made meanwhile waits, only the newest
// waiting request counts, and a result that a newer request (or Verwerfen) has overtaken is dropped
// unseen, so that a second picture opened at once never shows the first.
#include "images/clsImage.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

class Bildlader {
public:
    struct Ergebnis {
        uint64_t nummer = 0;
        // The picture as clsImage::Lesen left it, its failure kept for the window thread to report.
        std::unique_ptr<clsImage> bild;
        std::unique_ptr<Ersatzlader> ersatz;
        int32_t lader = 0;
    };

    // fertig is called on the worker thread whenever a result waits to be fetched.
    explicit Bildlader(std::function<void()> fertig);
    // Waits for the picture being decoded; what is waiting is dropped.
    ~Bildlader();
    Bildlader(const Bildlader&) = delete;
    Bildlader& operator=(const Bildlader&) = delete;

    // Asks for datei, read with the image library or, without it, through ersatz; the request's number.
    uint64_t Laden(const std::string& datei, bool bibliothek, std::unique_ptr<Ersatzlader> ersatz);
    // Drops every request and result.
    void Verwerfen();
    // The result of the newest request once it is there.
    std::optional<Ergebnis> Abholen();

private:
    struct Auftrag {
        uint64_t nummer = 0;
        std::string datei;
        bool bibliothek = true;
        std::unique_ptr<Ersatzlader> ersatz;
    };
    void Arbeiten();

    std::function<void()> fertig_;
    std::mutex mutex_;
    std::condition_variable wecken_;
    std::optional<Auftrag> wartend_;
    std::optional<Ergebnis> ergebnis_;
    // The number of the newest request; 0 before the first.
    uint64_t neueste_ = 0;
    bool ende_ = false;
    std::thread faden_;
};
