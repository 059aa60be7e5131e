// The browser test's main path in the other engines: node
// web/test/engines-test.mjs SITE REFERENCES ASSETS [ENGINE...], under an X
// server (xvfb-run), where both draw WebGL (in software, llvmpipe); without
// one neither gives WebGL. ENGINE: firefox (Debian's firefox-esr, over
// WebDriver BiDi with puppeteer-core) and webkit (WebKitGTK's MiniBrowser,
// Safari's engine, over W3C WebDriver with WebKitWebDriver); both by default.
// An engine that is not installed is skipped, saying so. Pictures are read
// from the canvas itself (a WebGL canvas keeps its picture for that only when
// asked, which a script put before the page's own asks) and compared in
// Chromium with the desktop's.
import { strict as assert } from "node:assert";
import { spawn } from "node:child_process";
import { existsSync, readFileSync, statSync, createReadStream } from "node:fs";
import { createServer } from "node:http";
import { extname, join } from "node:path";
import puppeteer from "puppeteer-core";
import {
    clockReferences,
    cookColumn,
    isSame,
    launchBrowser,
    PictureComparer,
    readClock,
    readPicture,
    sleep,
} from "./browser.mjs";

const [site, references, assets, ...chosen] = process.argv.slice(2);
if (!site || !references || !assets) {
    console.error("usage: node engines-test.mjs SITE REFERENCES ASSETS [firefox|webkit]...");
    process.exit(2);
}
// puppeteer-core's BiDi session rejects the calls of its own it left pending
// (unawaited) as its Firefox closes, and its close with them: no fault of the page.
process.on("unhandledRejection", (error) => {
    if (error?.name !== "TargetCloseError") {
        throw error;
    }
});

const FIREFOX = "/usr/bin/firefox-esr";
const WEBKIT_DRIVER = "/usr/bin/WebKitWebDriver";
const MINIBROWSER = "/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser";
const SOUND_ICON = { x: 720, y: 20, width: 52, height: 52 };

// The site with one script before the page's own: the canvas keeps what it
// drew, so that the test can read it back.
const KEEP_PICTURE = `<script>(function () {
    const getContext = HTMLCanvasElement.prototype.getContext;
    HTMLCanvasElement.prototype.getContext = function (type, attributes) {
        return getContext.call(this, type, Object.assign({}, attributes, { preserveDrawingBuffer: true }));
    };
})();</script>`;
const TYPES = { ".html": "text/html; charset=utf-8", ".js": "text/javascript", ".wasm": "application/wasm", ".css": "text/css" };
const server = createServer((request, response) => {
    const path = new URL(request.url, "http://127.0.0.1").pathname;
    const file = join(site, path === "/" ? "index.html" : path);
    let size;
    try {
        size = statSync(file).size;
    } catch {
        response.writeHead(404).end();
        return;
    }
    const headers = { "Content-Type": TYPES[extname(file)] ?? "application/octet-stream", "Cache-Control": "no-store" };
    // The page as the service worker keeps it too, which serves it on a reload.
    if (path === "/" || path === "/index.html") {
        const page = readFileSync(file, "utf8").replace("<head>", `<head>${KEEP_PICTURE}`);
        response.writeHead(200, headers).end(page);
        return;
    }
    response.writeHead(200, { ...headers, "Content-Length": size });
    createReadStream(file).pipe(response);
});
await new Promise((resolve) => server.listen(0, "127.0.0.1", resolve));
const address = `http://127.0.0.1:${server.address().port}/`;

const CANVAS_PNG = "return document.getElementById('canvas').toDataURL('image/png').split(',')[1];";

// Firefox through puppeteer-core's WebDriver BiDi.
async function firefox() {
    const browser = await puppeteer.launch({ browser: "firefox", executablePath: FIREFOX, headless: false });
    const page = await browser.newPage();
    await page.setViewport({ width: 800, height: 600 });
    return {
        version: await browser.version(),
        goto: (url) => page.goto(url, { waitUntil: "load" }),
        run: (body) => page.evaluate(new Function(body)),
        click: (selector) => page.click(selector),
        // The main ENTER is WebDriver's Return; its Enter is the keypad's.
        press: (key) => page.keyboard.press(key === "Enter" ? "\uE006" : key),
        close: () =>
            browser.close().catch((error) => {
                if (error.name !== "TargetCloseError") {
                    throw error;
                }
            }),
    };
}

// MiniBrowser through WebKitWebDriver, W3C WebDriver over HTTP.
async function webkit() {
    const port = 4400 + Math.floor(Math.random() * 1000);
    const driver = spawn(WEBKIT_DRIVER, [`--port=${port}`], { stdio: "ignore" });
    const call = async (method, path, body) => {
        const response = await fetch(`http://127.0.0.1:${port}${path}`, {
            method,
            headers: { "Content-Type": "application/json" },
            body: body && JSON.stringify(body),
        });
        const answer = await response.json();
        if (answer.value?.error) {
            throw new Error(`WebDriver ${path}: ${answer.value.error} ${answer.value.message}`);
        }
        return answer.value;
    };
    let session;
    for (let attempt = 0; !session; ++attempt) {
        try {
            session = await call("POST", "/session", {
                capabilities: {
                    alwaysMatch: { "webkitgtk:browserOptions": { binary: MINIBROWSER, args: ["--automation"] } },
                },
            });
        } catch (error) {
            if (attempt > 20) {
                throw error;
            }
            await sleep(250);
        }
    }
    const at = `/session/${session.sessionId}`;
    await call("POST", `${at}/window/rect`, { width: 800, height: 700 }).catch(() => {});
    const KEYS = { Enter: "\uE006", Escape: "\uE00C", ArrowRight: "\uE014" };
    return {
        version: `WebKitGTK ${session.capabilities.browserVersion}`,
        goto: (url) => call("POST", `${at}/url`, { url }),
        run: (body) => call("POST", `${at}/execute/sync`, { script: body, args: [] }),
        click: async (selector) => {
            const element = await call("POST", `${at}/element`, { using: "css selector", value: selector });
            await call("POST", `${at}/element/${Object.values(element)[0]}/click`, {});
        },
        press: (key) => {
            const value = KEYS[key] ?? key;
            return call("POST", `${at}/actions`, {
                actions: [{ type: "key", id: "keyboard", actions: [{ type: "keyDown", value }, { type: "keyUp", value }] }],
            });
        },
        close: async () => {
            await call("DELETE", at).catch(() => {});
            driver.kill();
        },
    };
}

// Firefox without a display has no WebGL: the page must say so.
async function firefoxWithoutDisplay() {
    const env = { ...process.env };
    delete env.DISPLAY;
    delete env.WAYLAND_DISPLAY;
    const browser = await puppeteer.launch({ browser: "firefox", executablePath: FIREFOX, headless: true, env });
    try {
        const page = await browser.newPage();
        await page.goto(address, { waitUntil: "load" });
        await page.waitForSelector("#start:not([hidden])", { visible: true, timeout: 60000 });
        await page.click("#panel");
        // Polled: puppeteer's waitForSelector loses its call in Firefox here.
        return await until(
            () => page.evaluate(() => (document.getElementById("failure").hidden ? "" : document.getElementById("message").textContent)),
            30000,
            "the message of a page without WebGL",
        );
    } finally {
        await browser.close();
    }
}

const engines = {
    firefox: { installed: existsSync(FIREFOX), open: firefox },
    webkit: { installed: existsSync(WEBKIT_DRIVER) && existsSync(MINIBROWSER), open: webkit },
};

// Polls `test` until it holds; its last value.
async function until(test, timeoutMs, what) {
    console.error(`  waiting for ${what}`);
    const deadline = Date.now() + timeoutMs;
    for (;;) {
        const value = await test();
        if (value) {
            return value;
        }
        if (Date.now() > deadline) {
            throw new Error(`timed out waiting for ${what}`);
        }
        await sleep(250);
    }
}

async function mainPath(engine, comparer, pictures) {
    const canvas = async () => Buffer.from(await engine.run(CANVAS_PNG), "base64");
    const shows = (reference, area) => async () => {
        const picture = await canvas();
        return isSame(await comparer.difference(picture, reference, area)) && picture;
    };
    const soundIsOff = async (picture) =>
        isSame(await comparer.difference(picture, pictures.soundOff, SOUND_ICON, { bOrigin: { x: 0, y: 0 } }));
    const prompt = () => engine.run("const p = document.getElementById('start'); return p.hidden ? '' : p.textContent;");
    const failure = () => engine.run("const f = document.getElementById('failure'); return f.hidden ? '' : document.getElementById('message').textContent;");
    const done = [];

    await engine.goto(address);
    assert.equal(await until(prompt, 60000, "the start prompt"), "Clique ou aperte uma tecla para começar");
    await engine.click("#panel");
    await until(
        async () => {
            const message = await failure();
            assert.equal(message, "", `the page says "${message}"`);
            return shows(pictures.menu)();
        },
        60000,
        "the title menu",
    );
    const menuDifference = await comparer.difference(await canvas(), pictures.menu);
    done.push(`title menu as the desktop's (mean ${menuDifference.mean.toFixed(3)}/255)`);

    await engine.press("Enter");
    await until(shows(pictures.difficulty), 15000, "the difficulty screen");
    await engine.press("1");
    await until(
        async () => {
            const picture = await canvas();
            for (const card of pictures.recipeCards) {
                if (isSame(await comparer.difference(picture, card, { x: 0, y: 100, width: 800, height: 500 }))) {
                    return true;
                }
            }
            return false;
        },
        15000,
        "an easy recipe card",
    );
    await engine.press("Enter");
    const first = await until(
        async () => {
            const second = await readClock(comparer, await canvas());
            return second >= 0 && second <= 58 ? { second, at: Date.now() } : null;
        },
        30000,
        "the clock at 0:58",
    );
    await sleep(3000);
    const picture = await canvas();
    const second = await readClock(comparer, picture);
    const elapsed = (Date.now() - first.at) / 1000;
    assert.ok(
        first.second - second >= Math.floor(elapsed) - 1 && first.second - second <= Math.ceil(elapsed) + 1,
        `the clock went from ${first.second} to ${second} s in ${elapsed.toFixed(1)} s`,
    );
    const before = await cookColumn(comparer, picture, pictures.background);
    for (let press = 0; press < 10; ++press) {
        await engine.press("ArrowRight");
    }
    await sleep(500);
    const after = await cookColumn(comparer, await canvas(), pictures.background);
    assert.ok(after - before >= 60 && after - before <= 140, `the cook went from column ${before} to ${after}`);
    done.push(`a round: the clock ${first.second} → ${second} s in ${elapsed.toFixed(1)} s, the cook ${Math.round(after - before)} px right`);

    await engine.press("m");
    await until(async () => soundIsOff(await canvas()), 5000, "the sound icon switched off");
    await engine.goto(address);
    await until(prompt, 60000, "the start prompt after a reload");
    await engine.click("#panel");
    const menuAgain = await until(shows(pictures.menu, { x: 0, y: 100, width: 800, height: 500 }), 60000, "the title menu after a reload");
    assert.ok(await soundIsOff(menuAgain), "after a reload the menu's icon shows the music off");
    done.push("M: music off, still off after a reload");
    return done;
}

const { browser: chromium, close: closeChromium } = await launchBrowser();
let failed = false;
try {
    const comparer = await PictureComparer.open(chromium);
    await comparer.remember(
        Object.fromEntries(clockReferences.map((r) => [r.name, readPicture(join(references, `${r.name}.png`))])),
    );
    const pictures = {
        menu: readPicture(join(references, "menu.png")),
        difficulty: readPicture(join(references, "difficulty.png")),
        soundOff: readPicture(join(assets, "Sprites", "SoundOff.png")),
        background: readPicture(join(assets, "Sprites", "Background.png")),
        recipeCards: ["FReceita1.png", "FReceita2.png", "FReceita3.png"].map((name) => readPicture(join(assets, "Sprites", name))),
    };
    for (const name of chosen.length > 0 ? chosen : Object.keys(engines)) {
        if (!engines[name]?.installed) {
            console.log(`ok - ${name}: skipped, not installed`);
            continue;
        }
        const engine = await engines[name].open();
        try {
            const done = await mainPath(engine, comparer, pictures);
            await engine.close();
            if (name === "firefox") {
                const message = await firefoxWithoutDisplay();
                assert.equal(message, "Falha ao criar janela.");
                done.push(`without a display (no WebGL) the page says "${message}"`);
            }
            console.log(`ok - ${name} (${engine.version}): ${done.join("; ")}`);
        } catch (error) {
            failed = true;
            console.error(`not ok - ${name} (${engine.version}): ${error.stack}`);
            await engine.close().catch(() => {});
        }
    }
} finally {
    await closeChromium();
    server.close();
    server.closeAllConnections();
}
process.exit(failed ? 1 : 0);
