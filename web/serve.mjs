// Serves a folder (the built site) on 127.0.0.1 only: node web/serve.mjs
// [FOLDER] [PORT]. Port 0 takes a free one. Prints the address once it listens.
import { createServer } from "node:http";
import { closeSync, createReadStream, fstatSync, openSync, realpathSync } from "node:fs";
import { extname, join, resolve, sep } from "node:path";
import { pipeline } from "node:stream";

// The folder as it really is, links followed: what is served must lie in it.
const root = realpathSync(resolve(process.argv[2] ?? "build-web/site"));
const port = Number(process.argv[3] ?? 8080);
const types = {
    ".html": "text/html; charset=utf-8",
    ".js": "text/javascript; charset=utf-8",
    ".mjs": "text/javascript; charset=utf-8",
    ".css": "text/css; charset=utf-8",
    ".wasm": "application/wasm",
    ".data": "application/octet-stream",
    ".png": "image/png",
    ".ttf": "font/ttf",
    ".txt": "text/plain; charset=utf-8",
    ".md": "text/markdown; charset=utf-8",
    ".webmanifest": "application/manifest+json",
};

// Nothing outside the folder, whatever the request says: the path is checked
// once written out and again with its links followed (a link inside the
// folder may lead anywhere). Throws when there is no such file.
function fileFor(url) {
    const path = decodeURIComponent(new URL(url, "http://127.0.0.1").pathname);
    const written = resolve(join(root, path.endsWith("/") ? path + "index.html" : path));
    const inside = (file) => file === root || file.startsWith(root + sep);
    if (!inside(written)) {
        return null;
    }
    const real = realpathSync(written);
    return inside(real) ? real : null;
}

function refuse(response, status, text) {
    response.writeHead(status, { "Content-Type": "text/plain; charset=utf-8" });
    response.end(text);
}

// A regular file opened for reading, and its size; null when there is none.
// A file that may not be read throws (EACCES), and is refused.
function open(file) {
    const descriptor = openSync(file, "r");
    const stat = fstatSync(descriptor);
    if (!stat.isFile()) {
        closeSync(descriptor);
        return null;
    }
    return { descriptor, size: stat.size };
}

const server = createServer((request, response) => {
    if (request.method !== "GET" && request.method !== "HEAD") {
        refuse(response, 405, "Método não permitido\n");
        return;
    }
    let file = null;
    let opened = null;
    try {
        file = fileFor(request.url);
        opened = file === null ? null : open(file);
    } catch (error) {
        if (error.code === "EACCES" || error.code === "EPERM") {
            refuse(response, 403, "Proibido\n");
            return;
        }
        opened = null;
    }
    if (opened === null) {
        refuse(response, 404, "Não encontrado\n");
        return;
    }
    response.writeHead(200, {
        "Content-Type": types[extname(file)] ?? "application/octet-stream",
        "Content-Length": opened.size,
        "Cache-Control": "no-cache",
    });
    if (request.method === "HEAD") {
        closeSync(opened.descriptor);
        response.end();
        return;
    }
    // The file is closed however the response ends: sent whole, or the
    // client gone half-way.
    pipeline(createReadStream(null, { fd: opened.descriptor }), response, () => {});
});

server.listen(port, "127.0.0.1", () => {
    console.log(`http://127.0.0.1:${server.address().port}/`);
});
