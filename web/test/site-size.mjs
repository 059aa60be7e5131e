// The download size of a built site: every file, as served and as gzip -9
// would send it.
import { readdirSync, readFileSync } from "node:fs";
import { join, relative } from "node:path";
import { gzipSync } from "node:zlib";

function filesUnder(folder) {
    return readdirSync(folder, { withFileTypes: true }).flatMap((entry) => {
        const path = join(folder, entry.name);
        return entry.isDirectory() ? filesUnder(path) : entry.isFile() ? [path] : [];
    });
}

// {files: {PATH: {bytes, gzip_bytes}}, bytes, gzip_bytes}, paths relative to
// the site and sorted.
export function siteSize(site) {
    const files = {};
    let bytes = 0;
    let gzipBytes = 0;
    for (const path of filesUnder(site).sort()) {
        const content = readFileSync(path);
        const size = { bytes: content.length, gzip_bytes: gzipSync(content, { level: 9 }).length };
        files[relative(site, path)] = size;
        bytes += size.bytes;
        gzipBytes += size.gzip_bytes;
    }
    return { files, bytes, gzip_bytes: gzipBytes };
}
