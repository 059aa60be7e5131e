#include "desktop/FileReplacement.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace fs = std::filesystem;

namespace
{
// As many links as the system itself follows before it calls it a loop.
const int MOST_LINKS = 40;

std::string FolderOf(const std::string& path)
{
    const std::string folder = fs::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}
}

std::string FollowLinks(const std::string& path)
{
    std::string current = path;
    for (int link = 0; link <= MOST_LINKS; ++link)
    {
        struct stat status;
        if (lstat(current.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
        {
            return current;
        }
        std::error_code error;
        const fs::path target = fs::read_symlink(current, error);
        if (error)
        {
            return std::string();
        }
        current = target.is_absolute() ? target.string() : (fs::path(current).parent_path() / target).string();
    }
    return std::string();
}

FileReplacement::FileReplacement(std::string target)
    : m_target(std::move(target))
{
    std::error_code error;
    fs::create_directories(FolderOf(m_target), error);
    m_folder = open(FolderOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (m_folder >= 0 && flock(m_folder, LOCK_EX) != 0)
    {
        close(m_folder);
        m_folder = -1;
    }
    // Only while holding the lock: any draft there now belongs to no one.
    if (m_folder >= 0)
    {
        RemoveLeftDrafts();
    }
}

FileReplacement::~FileReplacement()
{
    if (m_folder >= 0)
    {
        close(m_folder);
    }
}

void FileReplacement::RemoveLeftDrafts()
{
    const std::string fileName = fs::path(m_target).filename().string();
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator(FolderOf(m_target), error))
    {
        if (IsDraftName(entry.path().filename().string(), fileName))
        {
            std::error_code ignored;
            fs::remove(entry.path(), ignored); // a planted link goes, not what it names
        }
    }
}

bool FileReplacement::Replace(const std::function<bool(int descriptor)>& write)
{
    struct stat old;
    const bool replacing = stat(m_target.c_str(), &old) == 0;
    std::string draft;
    int descriptor = -1;
    // Never through a link or over a file already there; another name when taken.
    for (int attempt = 0; attempt < 100 && descriptor < 0; ++attempt)
    {
        draft = DraftName(m_target);
        descriptor = open(draft.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor < 0 && errno != EEXIST)
        {
            return false;
        }
    }
    if (descriptor < 0)
    {
        return false;
    }
    bool done =
        (!replacing || fchmod(descriptor, old.st_mode & 07777) == 0) && write(descriptor) && fsync(descriptor) == 0;
    done = close(descriptor) == 0 && done;
    done = done && std::rename(draft.c_str(), m_target.c_str()) == 0;
    if (!done)
    {
        unlink(draft.c_str());
    }
    else if (m_folder >= 0)
    {
        fsync(m_folder); // the rename itself reaches the disk
    }
    return done;
}
