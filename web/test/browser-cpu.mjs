// CPU time of every process of the browser (the browser itself, renderers,
// GPU, network, storage, audio), read over the DevTools protocol: cumulative
// seconds per process, as the kernel counts them.

// "audio" for the audio service, "utility" for other services.
function kindOf(type) {
    if (/audio/i.test(type)) {
        return "audio";
    }
    return /\.mojom\./.test(type) ? "utility" : type.toLowerCase();
}

export class BrowserCpu {
    static async open(browser) {
        return new BrowserCpu(await browser.target().createCDPSession());
    }

    constructor(session) {
        this.session = session;
    }

    // A reading to hand to share(): each process's CPU seconds so far, and when.
    async read() {
        const { processInfo } = await this.session.send("SystemInfo.getProcessInfo");
        return { at: performance.now(), processes: processInfo };
    }

    // CPU used between two readings as a percentage of one core: in all, and
    // by kind of process. A process that began in between counts whole; one
    // that ended in between is lost.
    share(before, after) {
        const seconds = (after.at - before.at) / 1000;
        const earlier = new Map(before.processes.map((process) => [process.id, process.cpuTime]));
        const byKind = {};
        let total = 0;
        for (const process of after.processes) {
            const used = process.cpuTime - (earlier.get(process.id) ?? 0);
            const kind = kindOf(process.type);
            byKind[kind] = (byKind[kind] ?? 0) + (100 * used) / seconds;
            total += (100 * used) / seconds;
        }
        return { total, byKind };
    }
}
