// web/serve.mjs against what would break it: node --test web/test/serve-test.mjs
import { strict as assert } from "node:assert";
import { spawn } from "node:child_process";
import { chmodSync, mkdtempSync, readdirSync, rmSync, symlinkSync, writeFileSync } from "node:fs";
import { request } from "node:http";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { after, before, test } from "node:test";
import { fileURLToPath } from "node:url";

const here = dirname(fileURLToPath(import.meta.url));
const BIG = 8 * 1024 * 1024; // more than the sockets buffer: a download still under way

let site;
let server;
let address;

before(async () => {
    site = mkdtempSync(join(tmpdir(), "fornalina-serve-"));
    chmodSync(site, 0o755);
    writeFileSync(join(site, "index.html"), "<!doctype html>\n");
    writeFileSync(join(site, "index.data"), Buffer.alloc(BIG, 7));
    writeFileSync(join(site, "secret.txt"), "no\n", { mode: 0o000 });
    symlinkSync("/etc/passwd", join(site, "passwd"));
    symlinkSync("/proc/self/environ", join(site, "environ"));
    // Root reads any file: the server runs as nobody, where a file of mode
    // 000 cannot be read.
    const asNobody = process.getuid() === 0 ? { uid: 65534, gid: 65534 } : {};
    server = spawn(process.execPath, [join(here, "..", "serve.mjs"), site, "0"], {
        stdio: ["ignore", "pipe", "inherit"],
        ...asNobody,
    });
    address = await new Promise((resolve, reject) => {
        server.once("exit", (code) => reject(new Error(`the server ended with ${code}`)));
        server.stdout.once("data", (line) => resolve(new URL(line.toString().trim())));
    });
});

after(() => {
    server.kill();
    rmSync(site, { recursive: true, force: true });
});

function get(path) {
    return fetch(new URL(path, address)).then(async (response) => ({
        status: response.status,
        length: response.headers.get("content-length"),
        body: await response.text(),
    }));
}

const openDescriptors = () => readdirSync(`/proc/${server.pid}/fd`).length;

test("a link inside the folder is followed only where it stays inside", async () => {
    for (const path of ["/passwd", "/environ", "/..%2f..%2fetc/passwd", "/%E0%A4%A"]) {
        const answer = await get(path);
        assert.equal(answer.status, 404, path);
        assert.doesNotMatch(answer.body, /root:/, path);
    }
    const page = await get("/");
    assert.equal(page.status, 200);
    assert.equal(page.length, String("<!doctype html>\n".length));
});

test("a file that may not be read is refused and the server stays up", async () => {
    assert.equal((await get("/secret.txt")).status, 403);
    assert.equal((await get("/secret.txt")).status, 403);
    assert.equal((await get("/")).status, 200);
});

test("downloads the client gives up half-way leave no file open", async () => {
    const before = openDescriptors();
    for (let i = 0; i < 200; ++i) {
        await new Promise((resolve, reject) => {
            const client = request(new URL("/index.data", address), (response) => {
                response.once("data", () => {
                    client.destroy();
                    resolve();
                });
            });
            client.on("error", (error) => (error.code === "ECONNRESET" ? resolve() : reject(error)));
            client.end();
        });
    }
    // The server hears of the last closes a moment later.
    let left = openDescriptors();
    for (let wait = 0; wait < 50 && left > before; ++wait) {
        await new Promise((resolve) => setTimeout(resolve, 100));
        left = openDescriptors();
    }
    console.log(`descriptors: ${before} before, ${left} after 200 aborted downloads`);
    assert.ok(left <= before, `${left} descriptors open after 200 aborted downloads, ${before} before`);
    const whole = await get("/index.data");
    assert.equal(whole.status, 200);
    assert.equal(whole.length, String(BIG));
});
