#include "import/bounded_io.h"

#include <assimp/IOStream.hpp>

#include <memory>
#include <stdexcept>

namespace vantor {

namespace {

// Reads that return nothing at the end of the file: a reader that keeps
// asking is stuck.
constexpr int kMaxEmptyReads = 10000;

// Throwing is how a stream stops the importer: its readers catch
// std::exception and report the text as their error.
class BoundedStream : public Assimp::IOStream {
  public:
    BoundedStream(Assimp::IOStream* inner, std::chrono::steady_clock::time_point end)
        : inner_(inner), end_(end) {}

    size_t Read(void* buffer, size_t size, size_t count) override {
        Check();
        const size_t read = inner_->Read(buffer, size, count);
        if (read == 0 && size * count > 0 && ++emptyReads_ > kMaxEmptyReads)
            throw std::runtime_error("the file ends before its content does");
        return read;
    }
    size_t Write(const void* buffer, size_t size, size_t count) override {
        return inner_->Write(buffer, size, count);
    }
    aiReturn Seek(size_t offset, aiOrigin origin) override {
        Check();
        return inner_->Seek(offset, origin);
    }
    size_t Tell() const override { return inner_->Tell(); }
    size_t FileSize() const override { return inner_->FileSize(); }
    void Flush() override { inner_->Flush(); }

  private:
    void Check() const {
        if (std::chrono::steady_clock::now() > end_)
            throw std::runtime_error("reading took too long");
    }

    std::unique_ptr<Assimp::IOStream> inner_;
    std::chrono::steady_clock::time_point end_;
    int emptyReads_ = 0;
};

}  // namespace

Assimp::IOStream* BoundedIOSystem::Open(const char* file, const char* mode) {
    Assimp::IOStream* inner = DefaultIOSystem::Open(file, mode);
    return inner ? new BoundedStream(inner, end_) : nullptr;
}

void BoundedIOSystem::Close(Assimp::IOStream* stream) {
    delete stream;
}

}  // namespace vantor
