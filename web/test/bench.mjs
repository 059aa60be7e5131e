// The browser build's benchmark: node web/test/bench.mjs SITE [--loads N]
// [--pairs N] [--block-seconds S] [--assets FOLDER]. SITE is the built site;
// FOLDER the game's Assets/ (this repository's by default), whose pictures
// tell the screens apart and give the floor page its background.
//
// Prints one JSON object on standard output, progress and a table of budgets
// on standard error: the site's download size, the time from navigation to
// the title menu's first frame, frames per second and CPU of a running round
// beside a floor page, CPU while the title menu waits beside a blank page, and
// the budgets. Exits 0 whether or not the budgets are met, 1 when it could not
// measure, 2 on a wrong command line.
import { copyFileSync, existsSync, mkdtempSync, readFileSync, rmSync } from "node:fs";
import { tmpdir } from "node:os";
import { dirname, join, resolve } from "node:path";
import { fileURLToPath } from "node:url";
import { BrowserCpu } from "./browser-cpu.mjs";
import {
    canvasPicture,
    launchBrowser,
    openGame,
    PictureComparer,
    readPicture,
    serve,
    sleep,
    waitForCanvas,
} from "./browser.mjs";
import { summary } from "./figures.mjs";
import { siteSize } from "./site-size.mjs";

const here = dirname(fileURLToPath(import.meta.url));
const probeSource = readFileSync(join(here, "frame-probe.js"), "utf8");

const BUDGETS = {
    gzipBytes: 2_800_000,
    titleMenuMs: 1000,
    titleMenuAfterClickMs: 250,
    // A round beside the floor page, the median of the blocks' ratios.
    roundFpsFloorRatio: 0.98,
    roundCpuFloorRatio: 1.15,
    menuCpuPct: 15,
};

// Screens are told apart by the game's own pictures: the title menu, the
// difficulty and recipe screens below the sound icon; the pause, whose
// picture fills the screen; a running round by the kitchen's lower part,
// where only the cook and a few falling ingredients cover the background
// (every other screen covers or dims it).
const SAME_PICTURE = { mean: 2.0, differingShare: 0.01 };
const BELOW_ICON = { x: 0, y: 100, width: 800, height: 500 };
const KITCHEN_FLOOR = { x: 0, y: 440, width: 800, height: 160 };
const ROUND_OVER_FLOOR = { mean: 255, differingShare: 0.3 };
// Before a round's clock runs, a count of 3, 2, 1, 0 takes 4 s.
const COUNT_MS = 4500;
// After a page comes to the front or thaws, before a block is timed.
const SETTLE_MS = 1000;
// The round's 60 s must hold every round block and the census, with time to spare.
const ROUND_SECONDS_FOR_BLOCKS = 48;
const CENSUS_SECONDS = 2;

function usage(message) {
    console.error(`bench: ${message}`);
    console.error("usage: node bench.mjs SITE [--loads N] [--pairs N] [--block-seconds S] [--assets FOLDER]");
    process.exit(2);
}

function parseArguments(words) {
    const options = { site: null, loads: 5, pairs: 4, blockSeconds: 5, assets: join(here, "..", "..", "Assets") };
    const numbers = { "--loads": "loads", "--pairs": "pairs", "--block-seconds": "blockSeconds" };
    for (let i = 0; i < words.length; ++i) {
        const word = words[i];
        if (word in numbers || word === "--assets") {
            const value = words[++i];
            if (value === undefined) {
                usage(`${word} needs a value`);
            }
            if (word === "--assets") {
                options.assets = value;
                continue;
            }
            const number = Number(value);
            if (!Number.isFinite(number) || number <= 0) {
                usage(`${word} takes a positive number, not "${value}"`);
            }
            options[numbers[word]] = word === "--block-seconds" ? number : Math.ceil(number);
        } else if (options.site === null && !word.startsWith("--")) {
            options.site = word;
        } else {
            usage(`unknown argument "${word}"`);
        }
    }
    if (options.site === null) {
        usage("no site folder given");
    }
    // A round block, pausing and going on again use about block + 3 s of the round.
    if (options.pairs * (options.blockSeconds + 3) > ROUND_SECONDS_FOR_BLOCKS) {
        usage(`${options.pairs} blocks of ${options.blockSeconds} s do not fit in one round`);
    }
    for (const needed of [join(options.site, "index.html"), join(options.assets, "Sprites", "Background.png")]) {
        if (!existsSync(needed)) {
            usage(`${needed} is missing`);
        }
    }
    return options;
}

function progress(text) {
    process.stderr.write(`bench: ${text}\n`);
}

function withTimeout(promise, ms, what) {
    let timer;
    const late = new Promise((_, reject) => {
        timer = setTimeout(() => reject(new Error(`timed out waiting for ${what}`)), ms);
    });
    return Promise.race([promise, late]).finally(() => clearTimeout(timer));
}

function within(difference, limit) {
    return difference.mean <= limit.mean && difference.differingShare <= limit.differingShare;
}

// The game's pictures that mark its screens.
function screenPictures(assets) {
    const sprite = (name) => readPicture(join(assets, "Sprites", name));
    return {
        menu: sprite("Menu.png"),
        difficulty: sprite("Dificuldade.png"),
        easyRecipes: ["FReceita1.png", "FReceita2.png", "FReceita3.png"].map(sprite),
        background: sprite("Background.png"),
        pause: sprite("Pause.png"),
    };
}

// A page's freezing (no tasks, timers or frames at all) and thawing, for the
// page that waits while the other is measured.
async function setFrozen(session, frozen) {
    await session.send("Page.setWebLifecycleState", { state: frozen ? "frozen" : "active" });
}

// One block of `seconds`: the browser's CPU over it, and the page's draw
// calls. With `frames`, the probe also counts frames drawn and animation
// frames, which needs a loop of animation frames of its own: a cost too small
// to matter beside a page that draws, but not beside one that waits.
async function measureBlock(page, cpu, seconds, frames) {
    const drawsBefore = await page.evaluate(() => window.benchProbe.draws);
    if (frames) {
        await page.evaluate(() => window.benchProbe.startCounting());
    }
    const before = await cpu.read();
    await sleep(seconds * 1000);
    const after = await cpu.read();
    const counted = frames ? await page.evaluate(() => window.benchProbe.stopCounting()) : null;
    const drawsAfter = await page.evaluate(() => window.benchProbe.draws);
    const block = { cpu: cpu.share(before, after), drawsPerSecond: (drawsAfter - drawsBefore) / seconds };
    if (counted !== null) {
        block.fps = counted.frames / counted.seconds;
        block.animationFramesPerSecond = counted.callbacks / counted.seconds;
    }
    return block;
}

// A fresh load of the game, nothing cached, its start prompt clicked as soon
// as it shows: the moments of its start, in ms after navigation. Its page is
// left on the title menu.
async function loadToTitleMenu(browser, address, comparer, pictures) {
    let promptShown;
    const prompt = new Promise((resolve) => {
        promptShown = resolve;
    });
    const game = await openGame(browser, address, async (page) => {
        await page.setCacheEnabled(false);
        // A first visit: the site's service worker, kept from the loads
        // before, must not serve this one from its cache.
        await page.setBypassServiceWorker(true);
        // The probe calls this when the prompt shows: no polling between the
        // prompt and the click.
        await page.exposeFunction("benchPromptShown", (x, y) => promptShown({ x, y }));
        await page.evaluateOnNewDocument(probeSource);
    });
    const place = await withTimeout(prompt, 60000, "the start prompt");
    await game.page.mouse.click(place.x, place.y);
    await game.page.waitForFunction(() => window.benchProbe.firstFrameAt !== null, { timeout: 60000 });
    const moments = await game.page.evaluate(() => ({ ...window.benchProbe }));
    // The frame timed must be the title menu's, not another's.
    await waitForCanvas(
        game.page,
        (picture) => looksLike(comparer, picture, pictures.menu, BELOW_ICON),
        10000,
        "the title menu",
    );
    return { ...game, moments };
}

async function timeTitleMenu(browser, address, comparer, pictures, loads) {
    const runs = [];
    // Each page's errors, kept as they grow: the last page goes on to the round.
    const errors = [];
    let game = null;
    for (let load = 1; load <= loads; ++load) {
        if (game !== null) {
            await game.page.close();
        }
        game = await loadToTitleMenu(browser, address, comparer, pictures);
        runs.push(game.moments);
        errors.push(game.errors);
        progress(`load ${load}/${loads}: title menu ${Math.round(game.moments.firstFrameAt)} ms after navigation`);
    }
    const milliseconds = (values) => summary(values, 0);
    const figure = (key) => milliseconds(runs.map((run) => run[key]));
    return {
        game,
        errors,
        results: {
            prompt_ms: figure("promptShownAt"),
            click_ms: figure("clickAt"),
            first_draw_ms: figure("firstDrawAt"),
            title_menu_ms: figure("firstFrameAt"),
            start_after_click_ms: milliseconds(runs.map((run) => run.firstFrameAt - run.clickAt)),
        },
    };
}

// Blocks of the title menu waiting, in turn with blocks of a blank page (the
// game's page frozen behind it).
async function measureWaitingMenu(game, blank, cpu, options) {
    const session = await game.page.createCDPSession();
    const menu = [];
    const idle = [];
    for (let pair = 1; pair <= options.pairs; ++pair) {
        await setFrozen(session, false);
        await game.page.bringToFront();
        await sleep(SETTLE_MS);
        menu.push(await measureBlock(game.page, cpu, options.blockSeconds, false));
        await setFrozen(session, true);
        await blank.bringToFront();
        await sleep(SETTLE_MS);
        idle.push(await measureBlock(blank, cpu, options.blockSeconds, false));
        progress(
            `waiting menu ${pair}/${options.pairs}: ${menu.at(-1).cpu.total.toFixed(1)} % beside a blank page's ${idle.at(-1).cpu.total.toFixed(1)} %`,
        );
    }
    await setFrozen(session, false);
    await game.page.bringToFront();
    return { session, menu, idle };
}

async function looksLike(comparer, shot, picture, rectangle, limit = SAME_PICTURE) {
    return within(await comparer.difference(shot, picture, rectangle), limit);
}

function roundRuns(comparer, shot, pictures) {
    return looksLike(comparer, shot, pictures.background, KITCHEN_FLOOR, ROUND_OVER_FLOOR);
}

// From the title menu to a running round, with real keys, each screen awaited
// as a player would see it; returns once the count before the clock is over.
async function enterRound(page, comparer, pictures) {
    const isEasyRecipe = async (shot) => {
        for (const card of pictures.easyRecipes) {
            if (await looksLike(comparer, shot, card, BELOW_ICON)) {
                return true;
            }
        }
        return false;
    };
    await page.keyboard.press("Enter");
    await waitForCanvas(
        page,
        (shot) => looksLike(comparer, shot, pictures.difficulty, BELOW_ICON),
        10000,
        "the difficulty screen",
    );
    await page.keyboard.press("1");
    await waitForCanvas(page, isEasyRecipe, 10000, "an easy recipe card");
    await page.keyboard.press("Enter");
    await waitForCanvas(
        page,
        async (shot) => !(await isEasyRecipe(shot)) && (await roundRuns(comparer, shot, pictures)),
        10000,
        "the round",
    );
    await sleep(COUNT_MS);
}

// Blocks of the running round in turn with blocks of the floor page, all in
// one round: before each floor block the round is paused with P and its page
// frozen, after it thawed and P goes on, so that only round blocks spend the
// round's minute.
async function measureRound(game, session, floor, cpu, comparer, pictures, options) {
    const page = game.page;
    const round = [];
    const floors = [];
    const isPaused = (shot) => looksLike(comparer, shot, pictures.pause);
    for (let pair = 1; pair <= options.pairs; ++pair) {
        await sleep(SETTLE_MS);
        round.push(await measureBlock(page, cpu, options.blockSeconds, true));
        if (!(await roundRuns(comparer, await canvasPicture(page), pictures))) {
            throw new Error("the round was not running at the end of its block");
        }
        await page.keyboard.press("p");
        await waitForCanvas(page, isPaused, 5000, "the pause");
        await setFrozen(session, true);
        await floor.bringToFront();
        await floor.evaluate(() => window.floor.start());
        await sleep(SETTLE_MS);
        floors.push(await measureBlock(floor, cpu, options.blockSeconds, true));
        await floor.evaluate(() => window.floor.stop());
        await setFrozen(session, false);
        await page.bringToFront();
        // The page heard it was hidden, and paused the round too: one P goes on.
        await sleep(300);
        await page.keyboard.press("p");
        await waitForCanvas(page, (shot) => roundRuns(comparer, shot, pictures), 5000, "the round going on");
        progress(
            `round ${pair}/${options.pairs}: ${round.at(-1).fps.toFixed(1)} fps, ${round.at(-1).cpu.total.toFixed(0)} %; floor ${floors.at(-1).fps.toFixed(1)} fps, ${floors.at(-1).cpu.total.toFixed(0)} %`,
        );
    }
    return { round, floors };
}

// A census of what a frame asks of WebGL (frame-probe.js), apart from the
// timed blocks, as counting every call costs the page a little.
async function census(page, seconds) {
    await page.evaluate(() => window.benchProbe.startCensus());
    await sleep(seconds * 1000);
    return page.evaluate(() => window.benchProbe.stopCensus());
}

// The census of the running round, then of the floor page, the round paused
// and frozen as for a floor block.
async function censusRoundAndFloor(game, session, floor, comparer, pictures) {
    const page = game.page;
    const round = await census(page, CENSUS_SECONDS);
    await page.keyboard.press("p");
    await waitForCanvas(page, (shot) => looksLike(comparer, shot, pictures.pause), 5000, "the pause");
    await setFrozen(session, true);
    await floor.bringToFront();
    await floor.evaluate(() => window.floor.start());
    await sleep(SETTLE_MS);
    const floorCensus = await census(floor, CENSUS_SECONDS);
    await floor.evaluate(() => window.floor.stop());
    return { round, floor: floorCensus };
}

// The floor page and the kitchen's background, served from a folder of their own.
async function serveFloor(assets) {
    const folder = mkdtempSync(join(tmpdir(), "fornalina-floor-"));
    copyFileSync(join(here, "floor.html"), join(folder, "index.html"));
    copyFileSync(join(assets, "Sprites", "Background.png"), join(folder, "background.png"));
    const server = await serve(folder);
    return {
        address: server.address,
        stop: () => {
            server.stop();
            rmSync(folder, { recursive: true, force: true });
        },
    };
}

// CPU readings of blocks, by kind of process: the median of each kind.
function cpuByKind(blocks) {
    const kinds = [...new Set(blocks.flatMap((block) => Object.keys(block.cpu.byKind)))].sort();
    return Object.fromEntries(
        kinds.map((kind) => [kind, summary(blocks.map((block) => block.cpu.byKind[kind] ?? 0)).median]),
    );
}

function judgeBudgets(results) {
    const round = results.round;
    const budget = (what, figure, limit, met) => ({ what, figure, limit, met });
    const budgets = [
        budget(
            "download, gzip -9, all files, bytes",
            results.download.gzip_bytes,
            `<= ${BUDGETS.gzipBytes}`,
            results.download.gzip_bytes <= BUDGETS.gzipBytes,
        ),
        budget(
            "title menu's first frame after navigation, ms",
            results.title_menu.title_menu_ms.median,
            `<= ${BUDGETS.titleMenuMs}`,
            results.title_menu.title_menu_ms.median <= BUDGETS.titleMenuMs,
        ),
        budget(
            "title menu's first frame after the click, ms",
            results.title_menu.start_after_click_ms.median,
            `<= ${BUDGETS.titleMenuAfterClickMs}`,
            results.title_menu.start_after_click_ms.median <= BUDGETS.titleMenuAfterClickMs,
        ),
        budget(
            "round's frames / the floor's",
            round.fps_floor_ratio.median,
            `>= ${BUDGETS.roundFpsFloorRatio}`,
            round.fps_floor_ratio.median >= BUDGETS.roundFpsFloorRatio,
        ),
        budget(
            "round's CPU / the floor's",
            round.cpu_floor_ratio.median,
            `<= ${BUDGETS.roundCpuFloorRatio}`,
            round.cpu_floor_ratio.median <= BUDGETS.roundCpuFloorRatio,
        ),
        budget(
            "title menu waiting, CPU % of one core",
            results.waiting_menu.cpu_pct.median,
            `<= ${BUDGETS.menuCpuPct}`,
            results.waiting_menu.cpu_pct.median <= BUDGETS.menuCpuPct,
        ),
    ];
    return { budgets, budgets_met: budgets.every((entry) => entry.met) };
}

function printBudgets(budgets) {
    process.stderr.write("Budgets\n");
    for (const budget of budgets) {
        process.stderr.write(
            `  ${budget.what.padEnd(46)} ${String(budget.figure).padStart(10)}  ${budget.limit.padEnd(12)} ${budget.met ? "met" : "OVER"}\n`,
        );
    }
}

const options = parseArguments(process.argv.slice(2));
const site = resolve(options.site);
const results = { site, setup: null, download: siteSize(site) };
const pictures = screenPictures(options.assets);
progress(`download: ${results.download.bytes} bytes, ${results.download.gzip_bytes} with gzip -9`);

const server = await serve(site);
const floorServer = await serveFloor(options.assets);
const { browser, close } = await launchBrowser();
let status = 0;
try {
    results.setup = {
        browser: await browser.version(),
        loads: options.loads,
        pairs: options.pairs,
        block_seconds: options.blockSeconds,
        cpu: "every process of the browser, by the DevTools protocol's SystemInfo.getProcessInfo",
    };
    const comparer = await PictureComparer.open(browser);
    const cpu = await BrowserCpu.open(browser);
    const {
        game,
        errors,
        results: titleMenu,
    } = await timeTitleMenu(browser, server.address, comparer, pictures, options.loads);
    results.title_menu = titleMenu;

    const other = await browser.newPage();
    await other.setViewport({ width: 800, height: 600, deviceScaleFactor: 1 });
    await other.evaluateOnNewDocument(probeSource);
    await other.goto("about:blank");
    const { session, menu, idle } = await measureWaitingMenu(game, other, cpu, options);
    results.waiting_menu = {
        cpu_pct: summary(menu.map((block) => block.cpu.total)),
        blank_cpu_pct: summary(idle.map((block) => block.cpu.total)),
        cpu_by_process_pct: cpuByKind(menu),
        blank_cpu_by_process_pct: cpuByKind(idle),
        draws_per_s: summary(menu.map((block) => block.drawsPerSecond)),
    };

    // The floor gets the context the game's canvas got.
    const attributes = encodeURIComponent(JSON.stringify(game.moments.contextAttributes));
    await other.goto(`${floorServer.address}?attributes=${attributes}`, { waitUntil: "load" });
    await other.evaluate(() => window.floor.ready);
    await game.page.bringToFront();
    await enterRound(game.page, comparer, pictures);
    progress("a round is running");
    const { round, floors } = await measureRound(game, session, other, cpu, comparer, pictures, options);
    results.round = {
        fps: summary(round.map((block) => block.fps)),
        floor_fps: summary(floors.map((block) => block.fps)),
        fps_floor_ratio: summary(
            round.map((block, i) => block.fps / floors[i].fps),
            3,
        ),
        animation_frames_per_s: summary(round.map((block) => block.animationFramesPerSecond)),
        draws_per_frame: summary(round.map((block) => block.drawsPerSecond / block.fps)),
        cpu_pct: summary(round.map((block) => block.cpu.total)),
        floor_cpu_pct: summary(floors.map((block) => block.cpu.total)),
        cpu_floor_ratio: summary(
            round.map((block, i) => block.cpu.total / floors[i].cpu.total),
            3,
        ),
        cpu_by_process_pct: cpuByKind(round),
        floor_cpu_by_process_pct: cpuByKind(floors),
    };
    progress("a census of the round's and the floor's WebGL calls");
    results.webgl = {
        context_attributes: game.moments.contextAttributes,
        ...(await censusRoundAndFloor(game, session, other, comparer, pictures)),
    };
    results.page_errors = errors.flat();
    Object.assign(results, judgeBudgets(results));
    printBudgets(results.budgets);
    console.log(JSON.stringify(results, null, 2));
} catch (error) {
    console.error(`bench: could not measure: ${error.message}`);
    status = 1;
} finally {
    await close();
    server.stop();
    floorServer.stop();
}
process.exit(status);
