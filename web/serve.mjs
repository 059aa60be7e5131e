// Serves a folder (the built site) on 127.0.0.1 only: node web/serve.mjs
// [FOLDER] [PORT]. Port 0 takes a free one. Prints the address once it listens.
import { createServer } from "node:http";
import { createReadStream, statSync } from "node:fs";
import { extname, join, resolve, sep } from "node:path";

const root = resolve(process.argv[2] ?? "build-web/site");
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

function fileFor(url) {
    const path = decodeURIComponent(new URL(url, "http://127.0.0.1").pathname);
    const file = resolve(join(root, path.endsWith("/") ? path + "index.html" : path));
    // Nothing outside the folder, whatever the request says.
    return file === root || file.startsWith(root + sep) ? file : null;
}

const server = createServer((request, response) => {
    let file = null;
    try {
        file = fileFor(request.url);
        if (file !== null && !statSync(file).isFile()) {
            file = null;
        }
    } catch {
        file = null;
    }
    if (file === null || (request.method !== "GET" && request.method !== "HEAD")) {
        response.writeHead(file === null ? 404 : 405, { "Content-Type": "text/plain; charset=utf-8" });
        response.end(file === null ? "Não encontrado\n" : "Método não permitido\n");
        return;
    }
    response.writeHead(200, {
        "Content-Type": types[extname(file)] ?? "application/octet-stream",
        "Cache-Control": "no-cache",
    });
    if (request.method === "HEAD") {
        response.end();
        return;
    }
    createReadStream(file).pipe(response);
});

server.listen(port, "127.0.0.1", () => {
    console.log(`http://127.0.0.1:${server.address().port}/`);
});
