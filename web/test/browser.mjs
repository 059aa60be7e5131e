// What the browser test and benchmark share: the site served on 127.0.0.1,
// Debian's chromium started headless with software WebGL, and pictures
// compared in a page of their own.
import { spawn } from "node:child_process";
import { mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join } from "node:path";
import { fileURLToPath } from "node:url";
import puppeteer from "puppeteer-core";

const here = dirname(fileURLToPath(import.meta.url));

// Serves `folder` with web/serve.mjs on a free port; resolves to its address
// and a stop function.
export function serve(folder) {
    return new Promise((resolve, reject) => {
        const server = spawn(process.execPath, [join(here, "..", "serve.mjs"), folder, "0"], {
            stdio: ["ignore", "pipe", "inherit"],
        });
        server.on("error", reject);
        server.on("exit", (code) => reject(new Error(`the server ended with ${code}`)));
        server.stdout.once("data", (line) => {
            server.removeAllListeners("exit");
            resolve({ address: line.toString().trim(), stop: () => server.kill() });
        });
    });
}

// Chromium as the test machines have it: headless, WebGL in software
// (SwiftShader), no network of its own, a fresh profile that the caller removes
// with close(). Storage lives in that profile, so it survives a reload.
export async function launchBrowser(extraArguments = [], options = {}) {
    const profile = mkdtempSync(join(tmpdir(), "fornalina-chromium-"));
    const browser = await puppeteer.launch({
        executablePath: process.env.FORNALINA_CHROMIUM ?? "/usr/bin/chromium",
        headless: true,
        userDataDir: profile,
        ...options,
        args: [
            "--headless=new",
            "--use-angle=swiftshader",
            "--enable-unsafe-swiftshader",
            "--no-sandbox",
            "--no-first-run",
            "--disable-background-networking",
            "--disable-component-update",
            "--disable-sync",
            "--disable-quic",
            ...extraArguments,
        ],
    });
    return {
        browser,
        close: async () => {
            await browser.close();
            rmSync(profile, { recursive: true, force: true });
        },
    };
}

// A page of the game at 800 × 600 CSS pixels, one device pixel each, so that the
// canvas is drawn unscaled; every error it logs is kept in `errors`.
// `prepare(page)` runs before the page is opened (scripts to inject, the cache).
export async function openGame(browser, address, prepare = async () => {}) {
    const page = await browser.newPage();
    await page.setViewport({ width: 800, height: 600, deviceScaleFactor: 1 });
    await prepare(page);
    const errors = [];
    page.on("console", (message) => {
        if (message.type() === "error") {
            errors.push(`console: ${message.text()}`);
        }
    });
    page.on("pageerror", (error) => errors.push(`page: ${error.message}`));
    page.on("requestfailed", (request) => errors.push(`request: ${request.url()} ${request.failure()?.errorText}`));
    page.on("response", (response) => {
        if (response.status() >= 400) {
            errors.push(`response: ${response.status()} ${response.url()}`);
        }
    });
    await page.goto(address, { waitUntil: "load" });
    return { page, errors };
}

// Waits for the start prompt and passes it with a click, as a player does.
export async function passStartPrompt(page, timeoutMs = 60000) {
    await page.waitForSelector("#start:not([hidden])", { visible: true, timeout: timeoutMs });
    await page.click("#panel");
}

// The canvas as the player sees it, a PNG of 800 × 600.
export const FULL = { x: 0, y: 0, width: 800, height: 600 };

export async function canvasPicture(page) {
    const canvas = await page.$("#canvas");
    return canvas.screenshot({ type: "png" });
}

// Polls the canvas until `test(picture)` holds; the last picture either way.
export async function waitForCanvas(page, test, timeoutMs, what) {
    const deadline = Date.now() + timeoutMs;
    for (;;) {
        const picture = await canvasPicture(page);
        if (await test(picture)) {
            return picture;
        }
        if (Date.now() > deadline) {
            throw new Error(`timed out waiting for ${what}`);
        }
        await sleep(200);
    }
}

// A picture for the comparing page: a PNG Buffer, or a remembered name.
function encoded(picture) {
    return typeof picture === "string" ? picture : picture.toString("base64");
}

// Compares pictures in a blank page of its own: PNGs (Buffers) decoded by the
// browser, compared channel by channel.
export class PictureComparer {
    static async open(browser) {
        const page = await browser.newPage();
        await page.goto("about:blank");
        await page.evaluate(() => {
            // Decoded pictures kept by name, for pictures compared again and again.
            window.remembered = new Map();
            window.decode = async (data) => createImageBitmap(await (await fetch(`data:image/png;base64,${data}`)).blob());
            // The pixels of a PNG (base64, or a remembered name) over a
            // rectangle, drawn from `origin`.
            window.pixelsOf = async (data, r, origin) => {
                const image = remembered.get(data) ?? (await decode(data));
                const canvas = new OffscreenCanvas(r.width, r.height);
                const context = canvas.getContext("2d");
                context.drawImage(image, -origin.x, -origin.y);
                return context.getImageData(0, 0, r.width, r.height).data;
            };
            // Per pixel of `second` that is opaque: the summed channel difference,
            // and whether its largest channel difference is over `tolerance`.
            window.compare = (first, second, tolerance, each) => {
                let sum = 0;
                let differing = 0;
                let count = 0;
                for (let i = 0; i < first.length; i += 4) {
                    if (second[i + 3] < 255) {
                        continue;
                    }
                    ++count;
                    let largest = 0;
                    let total = 0;
                    for (let channel = 0; channel < 3; ++channel) {
                        const d = Math.abs(first[i + channel] - second[i + channel]);
                        total += d;
                        largest = Math.max(largest, d);
                    }
                    sum += total;
                    if (largest > tolerance) {
                        ++differing;
                        each?.(i / 4);
                    }
                }
                return count === 0 ? { mean: 0, differingShare: 0 } : { mean: sum / (count * 3), differingShare: differing / count };
            };
        });
        return new PictureComparer(page);
    }

    constructor(page) {
        this.page = page;
    }

    // Decodes these pictures once ({name: PNG Buffer}); from then on a name
    // stands for its picture wherever a picture is asked for.
    async remember(pictures) {
        for (const [name, png] of Object.entries(pictures)) {
            await this.page.evaluate(
                async (name, data) => {
                    remembered.set(name, await decode(data));
                },
                name,
                png.toString("base64"),
            );
        }
    }

    // A picture of the canvas shown larger (a phone's device pixels) as the
    // game's 800 × 600: nearest pixels back down, undoing the page's
    // nearest-pixel enlargement.
    async atGameSize(picture) {
        const data = await this.page.evaluate(async (data) => {
            const image = await decode(data);
            const canvas = new OffscreenCanvas(800, 600);
            const context = canvas.getContext("2d");
            context.imageSmoothingEnabled = false;
            context.drawImage(image, 0, 0, 800, 600);
            const bytes = new Uint8Array(await (await canvas.convertToBlob({ type: "image/png" })).arrayBuffer());
            let text = "";
            for (let i = 0; i < bytes.length; i += 0x8000) {
                text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
            }
            return btoa(text);
        }, encoded(picture));
        return Buffer.from(data, "base64");
    }

    // The mean absolute difference per channel (0–255) of `a` over the
    // rectangle and `b` over the same size from `bOrigin` (by default the same
    // place), and the share of pixels whose largest channel difference is over
    // `tolerance`. Pixels that are not opaque in `b` (a sprite's surroundings)
    // are left out.
    async difference(a, b, rectangle = FULL, options = {}) {
        const { tolerance = 48, bOrigin = rectangle } = options;
        return this.page.evaluate(
            async (aData, bData, r, origin, tolerance) =>
                compare(await pixelsOf(aData, r, r), await pixelsOf(bData, r, origin), tolerance),
            encoded(a),
            encoded(b),
            rectangle,
            { x: bOrigin.x, y: bOrigin.y },
            tolerance,
        );
    }

    // The candidate closest to `a` over the rectangle: its index and difference.
    async closest(a, candidates, rectangle) {
        return this.page.evaluate(
            async (aData, candidateData, r) => {
                const first = await pixelsOf(aData, r, r);
                let best = { index: -1, mean: Infinity, differingShare: 1 };
                for (let i = 0; i < candidateData.length; ++i) {
                    const difference = compare(first, await pixelsOf(candidateData[i], r, r), 48);
                    if (difference.mean < best.mean) {
                        best = { index: i, ...difference };
                    }
                }
                return best;
            },
            encoded(a),
            candidates.map(encoded),
            rectangle,
        );
    }

    // The middle of the columns where `a` differs from `b` between two rows.
    async differenceCentre(a, b, top, bottom) {
        return this.page.evaluate(
            async (aData, bData, r) => {
                let columns = 0;
                let count = 0;
                compare(await pixelsOf(aData, r, r), await pixelsOf(bData, r, r), 48, (pixel) => {
                    columns += pixel % r.width;
                    ++count;
                });
                return count === 0 ? -1 : columns / count;
            },
            encoded(a),
            encoded(b),
            { x: 0, y: top, width: 800, height: bottom - top },
        );
    }
}

export function readPicture(path) {
    return readFileSync(path);
}

export function sleep(ms) {
    return new Promise((resolve) => setTimeout(resolve, ms));
}

// The same pictures drawn by the same library from the same files differ only
// where fonts are smoothed (another FreeType) and where colours are rounded.
export const SAME_PICTURE = { mean: 2.0, differingShare: 0.01 };

export function isSame(difference) {
    return difference.mean <= SAME_PICTURE.mean && difference.differingShare <= SAME_PICTURE.differingShare;
}

const CLOCK = { x: 480, y: 10, width: 235, height: 100 };
const COOK_BAND = { top: 480, bottom: 590 };

// The desktop's pictures of the clock, by name ("clock-0-58"), 60 s down to 0.
export const clockReferences = [];
for (let second = 60; second >= 0; --second) {
    clockReferences.push({ second, name: `clock-${Math.floor(second / 60)}-${String(second % 60).padStart(2, "0")}` });
}

// The clock's reading, in seconds: that of the desktop picture closest to the
// canvas's clock (the comparer must remember clockReferences); -1 when none is
// close (no clock shown). A falling ingredient may cover a little of it.
export async function readClock(comparer, picture) {
    const closest = await comparer.closest(
        picture,
        clockReferences.map((reference) => reference.name),
        CLOCK,
    );
    return closest.differingShare <= 0.1 ? clockReferences[closest.index].second : -1;
}

// Where the cook stands: the middle of the columns where the kitchen's
// bottom band differs from the bare background picture.
export function cookColumn(comparer, picture, background) {
    return comparer.differenceCentre(picture, background, COOK_BAND.top, COOK_BAND.bottom);
}
