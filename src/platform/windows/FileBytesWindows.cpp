#include "FileBytes.h"

#include "ProgramTexts.h"

#include <new>
#include <windows.h>

namespace {

std::u16string Reason(DWORD error) {
    wchar_t* message = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    std::u16string reason;
    if (length > 0 && message != nullptr) {
        reason.assign(reinterpret_cast<const char16_t*>(message), length);
        while (!reason.empty() &&
               (reason.back() == u'\r' || reason.back() == u'\n' || reason.back() == u' ')) {
            reason.pop_back();
        }
    }
    LocalFree(message);
    if (reason.empty()) {
        const std::wstring code = L"Windows error " + std::to_wstring(error);
        reason.assign(code.begin(), code.end());
    }
    return reason;
}

class FileHandle {
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }

private:
    HANDLE handle_;
};

} // namespace

FileBytes ReadFileBytes(const std::filesystem::path& path) {
    FileBytes result;
    const FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        result.Failure = Reason(GetLastError());
        return result;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) {
        result.Failure = Reason(GetLastError());
        return result;
    }
    if (static_cast<unsigned long long>(size.QuadPart) > MaxFileBytes) {
        result.Failure = texts::FileTooLargeReason;
        return result;
    }
    try {
        result.Bytes.resize(static_cast<size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        result.Bytes = std::string();
        result.Failure = texts::OutOfMemoryReason;
        return result;
    }
    size_t done = 0;
    while (done < result.Bytes.size()) {
        DWORD got = 0;
        const DWORD want = static_cast<DWORD>(result.Bytes.size() - done);
        if (!ReadFile(file.get(), result.Bytes.data() + done, want, &got, nullptr)) {
            result.Failure = Reason(GetLastError());
            result.Bytes = std::string();
            return result;
        }
        if (got == 0) {
            break; // the file shrank while it was read
        }
        done += got;
    }
    result.Bytes.resize(done);
    result.Read = true;
    return result;
}
