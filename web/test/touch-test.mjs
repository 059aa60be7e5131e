// The site on a phone, emulated by Chromium: touch only, no keyboard, three
// device pixels to a CSS pixel, a notch's safe area. A round played from the
// start prompt to the result by real touch events on the controls, found by
// their accessible names; then the web app: installable, and playing offline
// after one visit. browser-test.mjs runs these after its desktop checks.
import { strict as assert } from "node:assert";
import { cpSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join, relative } from "node:path";
import { canvasPicture, openGame, serve, sleep } from "./browser.mjs";

const SHAPES = {
    portrait: { width: 390, height: 844, insets: { top: 47, right: 0, bottom: 34, left: 0 } },
    landscape: { width: 844, height: 390, insets: { top: 0, right: 47, bottom: 21, left: 47 } },
};
const MIN_CONTROL = 48;

// One finger each, by id; Chromium takes a point left out of a touch event
// as lifted.
class Fingers {
    constructor(session) {
        this.session = session;
        this.points = new Map();
    }

    async send(type) {
        await this.session.send("Input.dispatchTouchEvent", { type, touchPoints: [...this.points.values()] });
    }

    async put(id, at) {
        this.points.set(id, { id, x: at.x, y: at.y, radiusX: 8, radiusY: 8, force: 1 });
        await this.send("touchStart");
    }

    async move(id, at) {
        this.points.set(id, { ...this.points.get(id), x: at.x, y: at.y });
        await this.send("touchMove");
    }

    async lift(id) {
        this.points.delete(id);
        await this.send(this.points.size === 0 ? "touchEnd" : "touchMove");
    }

    async cancel() {
        this.points.clear();
        await this.send("touchCancel");
    }

    async tap(id, at) {
        await this.put(id, at);
        await sleep(60);
        await this.lift(id);
    }
}

// The site's files, relative to its folder, sorted.
function siteFiles(folder) {
    return readdirSync(folder, { recursive: true, withFileTypes: true })
        .filter((entry) => entry.isFile())
        .map((entry) => relative(folder, join(entry.parentPath ?? entry.path, entry.name)))
        .sort();
}

function control(name) {
    return `::-p-aria([name="${name}"][role="button"])`;
}

async function middleOf(page, selector, timeoutMs = 10000) {
    const element = await page.waitForSelector(selector, { visible: true, timeout: timeoutMs });
    const box = await element.boundingBox();
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

// The page holds still, the canvas shows whole, and every control shown is
// inside the safe area, at least 48 px each way, and off the canvas unless
// the layout puts the controls over it.
async function checkLayout(page, shape) {
    const found = await page.evaluate(() => {
        const rect = (element) => {
            const r = element.getBoundingClientRect();
            return { x: r.x, y: r.y, width: r.width, height: r.height };
        };
        return {
            scroll: [window.scrollX, window.scrollY, document.scrollingElement.scrollTop],
            scale: window.visualViewport ? window.visualViewport.scale : 1,
            overflow: [document.documentElement.scrollWidth - window.innerWidth, document.documentElement.scrollHeight - window.innerHeight],
            place: document.getElementById("controls").className,
            canvas: rect(document.getElementById("canvas")),
            controls: [...document.querySelectorAll("button.control")]
                .filter((b) => b.offsetParent !== null)
                .map((b) => ({ name: b.textContent, ...rect(b) })),
        };
    });
    const { width, height, insets } = shape;
    assert.deepEqual(found.scroll, [0, 0, 0], "the page scrolled");
    assert.equal(found.scale, 1, "the page zoomed");
    assert.ok(found.overflow[0] <= 0 && found.overflow[1] <= 0, `the page overflows by ${found.overflow}`);
    const c = found.canvas;
    assert.ok(c.x >= insets.left - 0.5 && c.y >= insets.top - 0.5, `the canvas at ${c.x}, ${c.y}`);
    assert.ok(c.x + c.width <= width - insets.right + 0.5 && c.y + c.height <= height - insets.bottom + 0.5, "the canvas whole");
    assert.ok(Math.abs(c.width * 3 - c.height * 4) < 4, `the canvas ${c.width} × ${c.height}`);
    assert.ok(found.controls.length > 0, "no control shown");
    for (const b of found.controls) {
        assert.ok(b.width >= MIN_CONTROL && b.height >= MIN_CONTROL, `"${b.name}" is ${b.width} × ${b.height}`);
        assert.ok(
            b.x >= insets.left && b.y >= insets.top && b.x + b.width <= width - insets.right && b.y + b.height <= height - insets.bottom,
            `"${b.name}" outside the safe area: ${JSON.stringify(b)}`,
        );
        const overCanvas = b.x < c.x + c.width && c.x < b.x + b.width && b.y < c.y + c.height && c.y < b.y + b.height;
        assert.ok(!overCanvas || found.place.includes("place-over"), `"${b.name}" over the canvas`);
    }
    return found.place.replace(/.*place-/, "");
}

// The canvas as the game drew it, 800 × 600, from the phone's larger picture.
async function gamePicture(page, tools) {
    return tools.comparer.atGameSize(await canvasPicture(page));
}

async function waitForScreen(page, tools, reference, what, rectangle) {
    const deadline = Date.now() + 15000;
    for (;;) {
        const picture = await gamePicture(page, tools);
        if (tools.isSame(await tools.comparer.difference(picture, reference, rectangle))) {
            return picture;
        }
        assert.ok(Date.now() < deadline, `timed out waiting for ${what}`);
        await sleep(200);
    }
}

// The canvas once its music icon shows the music off (or on).
async function waitForMusicIcon(page, tools, off) {
    const deadline = Date.now() + 5000;
    for (;;) {
        const picture = await gamePicture(page, tools);
        if ((await tools.soundIsOff(picture)) === off || Date.now() > deadline) {
            return picture;
        }
        await sleep(200);
    }
}

async function pressed(page, name) {
    return page.$eval(control(name), (b) => b.getAttribute("aria-pressed"));
}

// Plays a round on a phone held this way; the screenshots of its menu, round
// and result go to `shots` when given. tools: the comparer and the readings of
// browser-test.mjs, and the desktop game's reference pictures.
export async function playByTouch(browser, address, orientation, tools, passed, shots) {
    const shape = SHAPES[orientation];
    let session = null;
    const { page, errors } = await openGame(browser, address, async (page) => {
        await page.setViewport({
            width: shape.width,
            height: shape.height,
            deviceScaleFactor: 3,
            isMobile: true,
            hasTouch: true,
            isLandscape: orientation === "landscape",
        });
        session = await page.createCDPSession();
        const insets = shape.insets;
        await session.send("Emulation.setSafeAreaInsetsOverride", {
            insets: { top: insets.top, right: insets.right, bottom: insets.bottom, left: insets.left },
        });
    });
    const fingers = new Fingers(session);
    const shoot = async (name) => {
        if (shots) {
            await page.screenshot({
                path: join(shots, `phone-${orientation}-${name}.png`),
                clip: { x: 0, y: 0, width: shape.width, height: shape.height, scale: 0.5 },
            });
        }
    };
    const says = `${orientation}:`;

    const prompt = await page.waitForSelector("#start:not([hidden])", { visible: true, timeout: 60000 });
    assert.equal(await prompt.evaluate((p) => p.textContent.trim()), "Toque para começar");
    await fingers.tap(0, await middleOf(page, "#panel"));
    await middleOf(page, control("Jogar"), 30000);
    await waitForScreen(page, tools, tools.references.menu, "the title menu", { x: 0, y: 100, width: 800, height: 500 });
    const place = await checkLayout(page, shape);
    passed(`${says} "Toque para começar" tapped; the title menu and its controls, laid out ${place}`);

    // Twice: off and on, or on and off as the browser's storage had it.
    const before = await pressed(page, "Música");
    const switched = before === "true" ? "false" : "true";
    const shows = (state) => page.waitForFunction((s) => document.querySelector("[aria-pressed]")?.getAttribute("aria-pressed") === s, {}, state);
    assert.ok(["true", "false"].includes(before), `"Música" aria-pressed ${before}`);
    await fingers.tap(0, await middleOf(page, control("Música")));
    await shows(switched);
    const iconOff = await tools.soundIsOff(await waitForMusicIcon(page, tools, switched === "false"));
    assert.equal(iconOff, switched === "false", "the menu's icon follows the music");
    await fingers.tap(0, await middleOf(page, control("Música")));
    await shows(before);
    passed(`${says} "Música" twice: aria-pressed ${before}, ${switched}, ${before}, the menu's icon with it`);
    await shoot("menu");

    await fingers.tap(0, await middleOf(page, control("Jogar")));
    const level = orientation === "portrait" ? "Fácil" : "Médio";
    await fingers.tap(0, await middleOf(page, control(level)));
    await checkLayout(page, shape);
    await fingers.tap(0, await middleOf(page, control("Começar")));
    const right = await middleOf(page, control("Direita"));
    await checkLayout(page, shape);
    // After the count: the clock runs.
    const deadline = Date.now() + 20000;
    let reading = -1;
    do {
        assert.ok(Date.now() < deadline, "timed out waiting for the clock to run");
        reading = await tools.readClock(await gamePicture(page, tools));
    } while (reading < 0 || reading > 58);
    passed(`${says} "Jogar", "${level}", "Começar": the round runs (the clock at ${reading} s)`);

    const column = async () => tools.cookColumn(await gamePicture(page, tools));
    const start = await column();
    await fingers.put(0, right);
    await sleep(1500);
    const walked = await column();
    assert.ok(walked - start >= 150, `"Direita" held 1.5 s: the cook from column ${start} to ${walked}`);
    // A second finger while the first still holds "Direita".
    await fingers.tap(1, await middleOf(page, control("Pausar")));
    await middleOf(page, control("Continuar"));
    await fingers.lift(0);
    const pausedPicture = await waitForScreen(page, tools, tools.references.pause, "the pause picture", tools.PAUSE_CARD);
    await sleep(1500);
    assert.ok(tools.isSame(await tools.comparer.difference(await gamePicture(page, tools), pausedPicture)), "the paused round moved");
    await checkLayout(page, shape);
    passed(`${says} "Direita" held walks the cook ${Math.round(walked - start)} px; "Pausar" tapped beside it freezes the round`);

    await fingers.tap(0, await middleOf(page, control("Continuar")));
    const left = await middleOf(page, control("Esquerda"));
    const goesOn = Date.now() + 5000;
    while (tools.isSame(await tools.comparer.difference(await gamePicture(page, tools), tools.references.pause, tools.PAUSE_CARD))) {
        assert.ok(Date.now() < goesOn, "the round did not go on");
        await sleep(200);
    }
    const resumed = await column();
    await fingers.put(0, left);
    await sleep(1500);
    const back = await column();
    await fingers.lift(0);
    assert.ok(resumed - back >= 150, `"Esquerda" held 1.5 s: the cook from column ${resumed} to ${back}`);
    // Walking by itself, the cook would go 250 px a second; a falling
    // ingredient near the floor moves the reading by a few tens.
    await sleep(300);
    const released = await column();
    await sleep(1000);
    const still = await column();
    assert.ok(Math.abs(still - released) < 100, `"Esquerda" let go: the cook went on from ${released} to ${still}`);
    // A finger sliding off the control lets it go too.
    await fingers.put(0, left);
    await sleep(300);
    await fingers.move(0, { x: shape.width / 2, y: 10 });
    await sleep(200);
    const slid = await column();
    await sleep(1000);
    const after = await column();
    await fingers.lift(0);
    assert.ok(Math.abs(after - slid) < 100, `a finger slid off "Esquerda": the cook went on from ${slid} to ${after}`);
    // And a touch the browser cancels.
    await fingers.put(0, left);
    await sleep(300);
    await fingers.cancel();
    await sleep(200);
    const cancelled = await column();
    await sleep(1000);
    const afterCancel = await column();
    assert.ok(Math.abs(afterCancel - cancelled) < 100, `a cancelled touch: the cook went on from ${cancelled} to ${afterCancel}`);
    passed(`${says} "Continuar": the round goes on; "Esquerda" walks back ${Math.round(resumed - back)} px and stops when let go, slid off or cancelled`);
    await shoot("round");

    await middleOf(page, control("Jogar de novo"), 90000);
    await checkLayout(page, shape);
    await shoot("result");
    if (orientation === "portrait") {
        await fingers.tap(0, await middleOf(page, control("Jogar de novo")));
        await middleOf(page, control("Fácil"));
        passed(`${says} the round's end: "Jogar de novo" leads to the difficulties`);
        // Turned on its side, the page lays itself out anew.
        const turned = SHAPES.landscape;
        await session.send("Emulation.setSafeAreaInsetsOverride", { insets: turned.insets });
        await page.setViewport({ width: turned.width, height: turned.height, deviceScaleFactor: 3, isMobile: true, hasTouch: true, isLandscape: true });
        await sleep(500);
        assert.equal(await checkLayout(page, turned), "beside");
        passed(`${says} turned on its side on the difficulties, the controls go beside the canvas`);
    } else {
        await fingers.tap(0, await middleOf(page, control("Sair")));
        await page.waitForSelector("#goodbye:not([hidden])", { visible: true, timeout: 10000 });
        passed(`${says} the round's end: "Sair" ends the game`);
    }
    assert.deepEqual(errors, [], `${says} the page logged errors`);
    return { page, session, errors, fingers, shape };
}

// The web app: Chromium finds nothing against installing it, its manifest is
// what a home screen needs, and with the network off a reload plays.
export async function checkInstallAndOffline(phone, tools, passed) {
    const { page, session, errors, fingers } = phone;
    await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
    const { installabilityErrors } = await session.send("Page.getInstallabilityErrors");
    assert.deepEqual(installabilityErrors, [], "installability errors");
    const manifest = await session.send("Page.getAppManifest");
    assert.deepEqual(manifest.errors, [], "manifest errors");
    const data = JSON.parse(manifest.data);
    assert.equal(data.name, "Fornalina");
    assert.equal(data.short_name, "Fornalina");
    assert.equal(data.lang, "pt-BR");
    assert.equal(data.display, "fullscreen");
    assert.equal(new URL(data.start_url, manifest.url).href, new URL("./", manifest.url).href);
    assert.equal(new URL(data.scope, manifest.url).href, new URL("./", manifest.url).href);
    const sizes = data.icons.map((icon) => `${icon.sizes} ${icon.purpose ?? "any"}`);
    for (const wanted of ["192x192 any", "512x512 any", "512x512 maskable"]) {
        assert.ok(sizes.includes(wanted), `no icon ${wanted} in ${sizes}`);
    }
    const type = await page.evaluate(async () => (await fetch("manifest.webmanifest")).headers.get("content-type"));
    assert.equal(type, "application/manifest+json");
    // Every file of the site kept for offline play, under a name from their contents.
    const kept = await page.evaluate(async () => {
        const names = (await caches.keys()).filter((name) => name.startsWith("fornalina-"));
        const keys = names.length === 1 ? await (await caches.open(names[0])).keys() : [];
        return { names, files: keys.map((request) => new URL(request.url).pathname.slice(1)).sort() };
    });
    assert.equal(kept.names.length, 1, `the caches ${kept.names}`);
    assert.match(kept.names[0], /^fornalina-[0-9a-f]{16}$/);
    const site = siteFiles(tools.site).filter((file) => file !== "sw.js");
    assert.deepEqual(kept.files, site, "the files kept are not the site's");
    passed(`the web app: no installability errors; its manifest (${type}) names it, in pt-BR, fullscreen, with icons of 192, 512 and maskable; ${site.length} files kept in ${kept.names[0]}`);

    await page.setOfflineMode(true);
    try {
        await page.reload({ waitUntil: "load" });
        const prompt = await page.waitForSelector("#start:not([hidden])", { visible: true, timeout: 60000 });
        await fingers.tap(0, await middleOf(page, "#panel"));
        await middleOf(page, control("Jogar"), 30000);
        await waitForScreen(page, tools, tools.references.menu, "the title menu offline", { x: 0, y: 100, width: 800, height: 500 });
        assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null), "no service worker served the page");
        assert.ok(prompt);
    } finally {
        await page.setOfflineMode(false);
    }
    assert.deepEqual(errors, [], "the offline page logged errors");
    passed("offline, a reload reaches the title menu, served by the service worker");
}

// The caches of the site's origin, and whether a new worker waits.
async function workerState(page) {
    return page.evaluate(async () => {
        const registration = await navigator.serviceWorker.getRegistration();
        return {
            caches: (await caches.keys()).filter((name) => name.startsWith("fornalina-")).sort(),
            waiting: Boolean(registration && registration.waiting),
        };
    });
}

// A new build of the site while a page of the old one is open: its worker
// waits, the old files stay, and once the old page is gone the new worker
// takes over and deletes the old cache. On a copy of the site, in a fresh
// profile of its own.
export async function checkUpdate(browser, site, passed) {
    const folder = mkdtempSync(join(tmpdir(), "fornalina-site-"));
    cpSync(site, folder, { recursive: true });
    const server = await serve(folder);
    const context = await browser.createBrowserContext();
    try {
        const open = async () => {
            const page = await context.newPage();
            await page.goto(server.address, { waitUntil: "load" });
            await page.waitForSelector("#start:not([hidden])", { visible: true, timeout: 60000 });
            await page.evaluate(() => navigator.serviceWorker.ready.then(() => true));
            return page;
        };
        // Visited, then played from what the worker keeps.
        const page = await open();
        await page.reload({ waitUntil: "load" });
        await page.waitForSelector("#start:not([hidden])", { visible: true, timeout: 60000 });
        assert.ok(await page.evaluate(() => navigator.serviceWorker.controller !== null), "the page has no worker");
        const before = await workerState(page);
        assert.equal(before.caches.length, 1, `the caches ${before.caches}`);
        const worker = join(folder, "sw.js");
        const next = "fornalina-0123456789abcdef";
        writeFileSync(worker, readFileSync(worker, "utf8").replace(/fornalina-[0-9a-f]{16}/, next));
        await page.evaluate(async () => {
            const registration = await navigator.serviceWorker.getRegistration();
            await registration.update();
            const worker = registration.installing || registration.waiting;
            await new Promise((resolve) => {
                const done = () => worker.state === "installed" || worker.state === "activated";
                if (done()) {
                    resolve();
                }
                worker.addEventListener("statechange", () => done() && resolve());
            });
        });
        const during = await workerState(page);
        assert.deepEqual(during, { caches: [before.caches[0], next].sort(), waiting: true }, "under an open page");
        await page.close();
        const later = await open();
        const deadline = Date.now() + 15000;
        let after = await workerState(later);
        while (after.caches.length !== 1 && Date.now() < deadline) {
            await sleep(200);
            after = await workerState(later);
        }
        assert.deepEqual(after, { caches: [next], waiting: false }, "once the old page was closed");
        passed(`a new build waits while a page of the old one is open (both caches kept), then takes over and deletes ${before.caches[0]}`);
    } finally {
        await context.close();
        server.stop();
        rmSync(folder, { recursive: true, force: true });
    }
}
