#pragma once

#include "settings/DraftName.h"

#include <functional>
#include <string>

// Replacing a file whole or not at all: a draft is made beside it under a name
// no one can guess or plant a link at, written, flushed to the disk, then
// renamed over it. Programs replacing files in the same folder take turns.

// The file that path stands for once symbolic links are followed, so that a
// linked file is replaced where it lives and the link stays a link; a dangling
// link gives the file it names. "" for a loop of links.
std::string FollowLinks(const std::string& path);

// While it lives, holds the lock of the folder of target (which it creates when
// missing), so that another program replacing a file there waits its turn; on
// taking it, removes the drafts that a replacement killed half-way left there.
class FileReplacement
{
public:
    explicit FileReplacement(std::string target);
    // Lets the next program take its turn.
    ~FileReplacement();
    FileReplacement(const FileReplacement&) = delete;
    FileReplacement& operator=(const FileReplacement&) = delete;

    // Makes a draft with the mode of the file it replaces (a new file: as the
    // umask says), has write fill it (true when it wrote everything), flushes
    // it and renames it over target. False when any step failed: target is then
    // as it was, and the draft is gone.
    bool Replace(const std::function<bool(int descriptor)>& write);

private:
    void RemoveLeftDrafts();

    std::string m_target;
    int m_folder = -1; // locked while this object lives, when it could be
};
