// Work split into pieces that run on the processor's cores side by side.
#pragma once

#include <algorithm>
#include <cstddef>
#include <exception>
#include <thread>
#include <vector>

namespace vexil_host {

// How many pieces to cut `items` into, at least `leastPerPiece` items each
// and one per core at most: small skins stay on one thread, so that their
// work, and where memory runs out, is the same on every run.
inline size_t PiecesFor(size_t items, size_t leastPerPiece) {
    size_t cores = std::max<size_t>(1, std::thread::hardware_concurrency());
    return std::max<size_t>(1, std::min(cores, items / std::max<size_t>(1, leastPerPiece)));
}

// Runs job(0), job(1) … job(pieces - 1), the first on the calling thread
// and each other on a thread of its own, and returns when all have ended.
// Jobs must write only to what is their own. A piece whose thread cannot be
// started runs on the calling thread. An exception thrown by a job is
// thrown again here once every job has ended: the lowest piece's first.
template <typename Job>
void RunSideBySide(size_t pieces, const Job &job) {
    std::vector<std::exception_ptr> failed(pieces);
    auto run = [&](size_t piece) {
        try {
            job(piece);
        } catch (...) {
            failed[piece] = std::current_exception();
        }
    };
    // Room for every thread first: once one runs, nothing here may throw.
    std::vector<std::thread> threads;
    std::vector<size_t> unstarted;
    threads.reserve(pieces);
    unstarted.reserve(pieces);
    for (size_t piece = 1; piece < pieces; ++piece) {
        try {
            threads.emplace_back(run, piece);
        } catch (...) {
            unstarted.push_back(piece);
        }
    }
    if (pieces > 0) run(0);
    for (size_t piece : unstarted) run(piece);
    for (std::thread &thread : threads) thread.join();
    for (const std::exception_ptr &failure : failed)
        if (failure) std::rethrow_exception(failure);
}

}  // namespace vexil_host
