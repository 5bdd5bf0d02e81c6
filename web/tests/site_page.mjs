// One served site and one page on it for a whole test file: opened before the
// file's first test and closed after its last, even when opening failed half
// way. `take` receives { server, browser, page } once all three are open.
import { after, before } from 'node:test';
import { launchBrowser, openPage, serveSite } from './browser.mjs';

export function withSitePage(take) {
  const opened = {};
  before(async () => {
    opened.server = await serveSite();
    opened.browser = await launchBrowser();
    opened.page = await openPage(opened.browser, opened.server.url);
    take(opened);
  });
  after(async () => {
    await opened.browser?.close();
    await opened.server?.close();
  });
}
