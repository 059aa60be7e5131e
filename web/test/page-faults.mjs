// The page under faults a player meets: node web/test/page-faults.mjs SITE
// REFERENCES ASSETS (as browser-test.mjs). Downloads that fail, stall, arrive
// short or crawl (a server of its own breaks one file at a time), a lost WebGL
// context, the goodbye's button, a 110 % zoom and a second tab's music switch.
// Prints what it checked and measured; exits 1 on a failure.
import { strict as assert } from "node:assert";
import { createReadStream, readFileSync, statSync } from "node:fs";
import { createServer } from "node:http";
import { extname, join } from "node:path";
import { canvasPicture, isSame, launchBrowser, PictureComparer, readPicture, serve, sleep, waitForCanvas } from "./browser.mjs";

const [site, references, assets] = process.argv.slice(2);
if (!site || !references || !assets) {
    console.error("usage: node page-faults.mjs SITE REFERENCES ASSETS");
    process.exit(2);
}

const SOUND_ICON = { x: 720, y: 20, width: 52, height: 52 };
const PAUSE_CARD = { x: 250, y: 200, width: 300, height: 200 };
const TYPES = { ".html": "text/html", ".js": "text/javascript", ".wasm": "application/wasm" };

// The site, but the file a case names answers as the case says:
// fault(request, response, file) returns true when it answered.
let fault = () => false;
const faulty = createServer((request, response) => {
    const path = new URL(request.url, "http://127.0.0.1").pathname;
    const file = join(site, path === "/" ? "index.html" : path);
    if (fault(path, response, file)) {
        return;
    }
    let size;
    try {
        size = statSync(file).size;
    } catch {
        response.writeHead(404).end();
        return;
    }
    response.writeHead(200, {
        "Content-Type": TYPES[extname(file)] ?? "application/octet-stream",
        "Content-Length": size,
        "Cache-Control": "no-store",
    });
    createReadStream(file).pipe(response);
});
await new Promise((resolve) => faulty.listen(0, "127.0.0.1", resolve));
const faultyAddress = `http://127.0.0.1:${faulty.address().port}/`;

function answer(response, status, body, headers = {}) {
    response.writeHead(status, headers);
    response.end(body);
}

const DOWNLOAD_MESSAGE = /baixar o jogo.*conexão/;

const checks = [];
function passed(text) {
    checks.push(text);
    console.log(`ok - ${text}`);
}

async function open(browser, address, viewport = { width: 800, height: 600, deviceScaleFactor: 1 }) {
    const page = await browser.newPage();
    await page.setViewport(viewport);
    await page.goto(address, { waitUntil: "domcontentloaded" });
    return page;
}

async function failureText(page, timeout) {
    await page.waitForSelector("#failure:not([hidden])", { visible: true, timeout });
    return page.evaluate(() => ({
        message: document.getElementById("message").textContent,
        button: document.getElementById("retry").textContent,
        focused: document.activeElement.id,
    }));
}

async function startGame(page) {
    await page.waitForSelector("#start:not([hidden])", { visible: true, timeout: 60000 });
    await page.click("#panel");
}

const { browser, close } = await launchBrowser();
const server = await serve(site);
let failed = false;
try {
    const comparer = await PictureComparer.open(browser);
    const menu = readPicture(join(references, "menu.png"));
    const pause = readPicture(join(references, "pause.png"));
    const soundOff = readPicture(join(assets, "Sprites", "SoundOff.png"));
    const menuShows = async (picture) => isSame(await comparer.difference(picture, menu, { x: 0, y: 100, width: 800, height: 500 }));
    const soundIsOff = async (picture) =>
        isSame(await comparer.difference(picture, soundOff, SOUND_ICON, { bOrigin: { x: 0, y: 0 } }));

    // Each download fault ends in the one download message, with its button.
    const wasm = readFileSync(join(site, "index.wasm"));
    const data = readFileSync(join(site, "index.data"));
    const downloadFaults = [
        ["index.js missing (404)", (path, response) => path === "/index.js" && (answer(response, 404, "no"), true)],
        ["index.wasm failing (500)", (path, response) => path === "/index.wasm" && (answer(response, 500, "no"), true)],
        ["index.data missing (404)", (path, response) => path === "/index.data" && (answer(response, 404, "no"), true)],
        [
            "index.data cut short as a complete response",
            (path, response) =>
                path === "/index.data" &&
                (answer(response, 200, data.subarray(0, data.length >> 1), { "Content-Length": data.length >> 1 }), true),
        ],
        [
            "index.wasm cut short as a complete response",
            (path, response) =>
                path === "/index.wasm" &&
                (answer(response, 200, wasm.subarray(0, wasm.length >> 1), { "Content-Length": wasm.length >> 1 }), true),
        ],
        [
            "index.data's connection cut half-way",
            (path, response) => {
                if (path !== "/index.data") {
                    return false;
                }
                response.writeHead(200, { "Content-Length": data.length });
                response.write(data.subarray(0, data.length >> 1), () => setTimeout(() => response.socket.destroy(), 100));
                return true;
            },
        ],
    ];
    for (const [name, broken] of downloadFaults) {
        fault = broken;
        const page = await open(browser, faultyAddress);
        const shown = await failureText(page, 20000);
        assert.match(shown.message, DOWNLOAD_MESSAGE, name);
        assert.equal(shown.button, "Tentar de novo");
        assert.equal(shown.focused, "retry");
        await page.close();
    }
    passed(`${downloadFaults.length} broken downloads each end in the download message, "Tentar de novo" focused`);

    // A stall after the headers: the message comes once no byte arrived for a while.
    let stalledAt = 0;
    fault = (path, response) => {
        if (path !== "/index.data") {
            return false;
        }
        response.writeHead(200, { "Content-Length": data.length });
        response.write(data.subarray(0, 1024));
        stalledAt = Date.now();
        return true; // and then nothing, for ever
    };
    const stalled = await open(browser, faultyAddress);
    const stallMessage = await failureText(stalled, 40000);
    const stallSeconds = (Date.now() - stalledAt) / 1000;
    assert.match(stallMessage.message, DOWNLOAD_MESSAGE);
    assert.ok(stallSeconds >= 14 && stallSeconds <= 20, `the message came ${stallSeconds} s after the stall`);
    await stalled.close();
    passed(`index.data stalled after its headers: the download message ${stallSeconds.toFixed(1)} s later`);

    // A crawling program (every byte in 400-ms steps, about 20 s in all) is
    // never cut off, and the bar counts its bytes with the data's.
    fault = (path, response) => {
        if (path !== "/index.wasm") {
            return false;
        }
        response.writeHead(200, { "Content-Type": "application/wasm", "Content-Length": wasm.length });
        const step = Math.ceil(wasm.length / 50);
        let at = 0;
        const timer = setInterval(() => {
            response.write(wasm.subarray(at, at + step));
            at += step;
            if (at >= wasm.length) {
                clearInterval(timer);
                response.end();
            }
        }, 400);
        response.on("close", () => clearInterval(timer));
        return true;
    };
    const slow = await open(browser, faultyAddress);
    const readings = [];
    for (;;) {
        const reading = await slow.evaluate(() => ({
            role: document.getElementById("bar").getAttribute("role"),
            value: Number(document.getElementById("bar").getAttribute("aria-valuenow")),
            ready: !document.getElementById("start").hidden,
            failed: !document.getElementById("failure").hidden,
        }));
        assert.equal(reading.role, "progressbar");
        assert.ok(!reading.failed, "a slow download was cut off");
        if (reading.ready) {
            break;
        }
        readings.push(reading.value);
        assert.ok(readings.length < 120, "the slow download never ended");
        await sleep(500);
    }
    const between = readings.filter((value) => value > 0 && value < 100);
    assert.ok(new Set(between).size >= 10, `the bar read ${readings.join(", ")}`);
    assert.deepEqual(readings, [...readings].sort((a, b) => a - b), "the bar went back");
    await slow.close();
    passed(`a crawling index.wasm (${readings.length / 2} s) is not cut off; the bar (role=progressbar) rose through ${new Set(between).size} values over every byte`);
    fault = () => false;

    // A lost WebGL context comes back, and the picture with it; a round waits meanwhile.
    const page = await open(browser, server.address);
    await startGame(page);
    await waitForCanvas(page, menuShows, 30000, "the title menu");
    const lose = () => page.evaluate(() => {
        window.loser = Module.ctx.getExtension("WEBGL_lose_context");
        window.loser.loseContext();
    });
    await lose();
    await sleep(1000);
    assert.ok(!(await menuShows(await canvasPicture(page))), "the canvas kept its picture with its context lost");
    const restoredAt = Date.now();
    await page.evaluate(() => window.loser.restoreContext());
    await waitForCanvas(page, menuShows, 10000, "the title menu after the context came back");
    const backMs = Date.now() - restoredAt;
    passed(`a lost context came back on the title menu: the menu drawn again ${backMs} ms after it was restored`);

    await page.keyboard.press("Enter");
    await sleep(300);
    await page.keyboard.press("1");
    await sleep(300);
    await page.keyboard.press("Enter");
    await sleep(4500); // past the count
    await lose();
    await sleep(500);
    await page.evaluate(() => window.loser.restoreContext());
    await waitForCanvas(page, async (p) => isSame(await comparer.difference(p, pause, PAUSE_CARD)), 10000, "the paused round");
    passed("a context lost in a round: the round waits, paused, once the picture is back");

    await lose();
    const lost = await failureText(page, 15000);
    assert.match(lost.message, /perdeu a imagem/);
    assert.equal(lost.focused, "retry");
    await page.evaluate(() => window.loser.restoreContext());
    await page.waitForSelector("#panel", { hidden: true, timeout: 10000 });
    await waitForCanvas(page, async (p) => isSame(await comparer.difference(p, pause, PAUSE_CARD)), 10000, "the round back");
    passed(`a context that does not come back: "${lost.message}" with "Tentar de novo"; a late return still goes on`);

    // The goodbye's button has the focus: ENTER plays again, and so does a gamepad's A.
    await page.goto(server.address, { waitUntil: "domcontentloaded" });
    await startGame(page);
    await waitForCanvas(page, menuShows, 30000, "the title menu");
    await page.keyboard.press("Escape");
    await page.waitForSelector("#goodbye:not([hidden])", { visible: true, timeout: 10000 });
    assert.equal(await page.evaluate(() => document.activeElement.id), "again");
    await page.keyboard.press("Enter");
    await page.waitForSelector("#start:not([hidden])", { visible: true, timeout: 30000 });
    await startGame(page);
    await waitForCanvas(page, menuShows, 30000, "the title menu");
    await page.keyboard.press("Escape");
    await page.waitForSelector("#goodbye:not([hidden])", { visible: true, timeout: 10000 });
    await page.evaluate(() => {
        const pad = { index: 0, connected: true, mapping: "standard", buttons: [{ pressed: false }] };
        navigator.getGamepads = () => [pad];
        setTimeout(() => (pad.buttons[0].pressed = true), 200);
    });
    await page.waitForSelector("#start:not([hidden])", { visible: true, timeout: 30000 });
    passed("the goodbye's \"Jogar de novo\" has the focus: ENTER plays again, and so does a gamepad's A");

    // Another tab's music switch is followed.
    await startGame(page);
    await waitForCanvas(page, menuShows, 30000, "the title menu");
    const other = await open(browser, server.address);
    await startGame(other);
    await waitForCanvas(other, menuShows, 30000, "the second tab's title menu");
    assert.ok(!(await soundIsOff(await other.$("#canvas").then((c) => c.screenshot()))));
    await other.keyboard.press("m");
    await waitForCanvas(other, soundIsOff, 5000, "the music off in the second tab");
    await page.bringToFront();
    await waitForCanvas(page, soundIsOff, 5000, "the music off in the first tab");
    await other.bringToFront();
    await other.keyboard.press("m");
    await page.bringToFront();
    await waitForCanvas(page, async (p) => !(await soundIsOff(p)), 5000, "the music on again in the first tab");
    await other.close();
    passed("M in a second tab switches the music of the first, off and on");
    await page.close();

    // 110 % zoom: a window of 990 × 600 device pixels is 900 × 545.45 CSS
    // pixels (innerHeight says 545). The canvas lies on 800 × 600 whole device
    // pixels and shows the picture unresampled.
    const { browser: zoomBrowser, close: closeZoom } = await launchBrowser(
        ["--force-device-scale-factor=1.1", "--window-size=900,631"],
        { defaultViewport: null },
    );
    try {
        const zoomed = (await zoomBrowser.pages())[0];
        await zoomed.goto(server.address, { waitUntil: "domcontentloaded" });
        await startGame(zoomed);
        await zoomed.waitForSelector("#panel", { hidden: true, timeout: 30000 });
        await sleep(1000);
        const box = await zoomed.evaluate(() => {
            const r = document.getElementById("canvas").getBoundingClientRect();
            return [r.left, r.top, r.width, r.height].map((v) => v * devicePixelRatio);
        });
        assert.ok(box.every((v) => Math.abs(v - Math.round(v)) < 0.01), `the canvas covers ${box} device pixels`);
        const [left, top, width, height] = box.map(Math.round);
        assert.equal(`${width}×${height}`, "800×600");
        const shown = await zoomed.screenshot({ type: "png" });
        const difference = await comparer.difference(shown, menu, { x: left, y: top, width, height }, { bOrigin: { x: 0, y: 0 } });
        assert.ok(isSame(difference), `the zoomed picture is ${JSON.stringify(difference)} from the desktop's`);
        passed(`at 110 % zoom the canvas covers ${width}×${height} whole device pixels at (${left}, ${top}), the picture as the desktop's (mean ${difference.mean.toFixed(3)})`);
    } finally {
        await closeZoom();
    }

    console.log(JSON.stringify({ stallSeconds, contextBackMs: backMs }));
} catch (error) {
    failed = true;
    console.error(`not ok - ${error.stack}`);
} finally {
    await close();
    server.stop();
    faulty.close();
    faulty.closeAllConnections();
}
process.exit(failed ? 1 : 0);
