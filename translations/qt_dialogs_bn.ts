<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_BD">
<context>
    <name>QColorDialog</name>
    <message>
        <source>&amp;Red:</source>
        <translation>লাল(&amp;R):</translation>
    </message>
    <message>
        <source>&amp;Sat:</source>
        <translation>গাঢ়ত্ব(&amp;S):</translation>
    </message>
    <message>
        <source>&amp;Val:</source>
        <translation>উজ্জ্বলতা(&amp;V):</translation>
    </message>
    <message>
        <source>Hu&amp;e:</source>
        <translation>বর্ণ(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;HTML:</source>
        <translation>HTML(&amp;H):</translation>
    </message>
    <message>
        <source>Select Color</source>
        <translation>রং বাছুন</translation>
    </message>
    <message>
        <source>&amp;Add to Custom Colors</source>
        <translation>নিজের রঙে যোগ করুন(&amp;A)</translation>
    </message>
    <message>
        <source>Bl&amp;ue:</source>
        <translation>নীল(&amp;U):</translation>
    </message>
    <message>
        <source>&amp;Pick Screen Color</source>
        <translation>পর্দা থেকে রং নিন(&amp;P)</translation>
    </message>
    <message>
        <source>Cursor at %1, %2
Press ESC to cancel</source>
        <translation>কার্সর %1, %2-এ
বাতিল করতে Esc চাপুন</translation>
    </message>
    <message>
        <source>&amp;Green:</source>
        <translation>সবুজ(&amp;G):</translation>
    </message>
    <message>
        <source>&amp;Basic colors</source>
        <translation>মূল রং(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Custom colors</source>
        <translation>নিজের রং(&amp;C)</translation>
    </message>
    <message>
        <source>A&amp;lpha channel:</source>
        <translation>স্বচ্ছতা(&amp;L):</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Unknown options: %1.</source>
        <translation>অজানা বিকল্প: %1।</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>অজানা বিকল্প &apos;%1&apos;।</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[বিকল্প]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>বিকল্প:</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Qt-র নিজস্ব বিকল্পসহ সাহায্য দেখায়।</translation>
    </message>
    <message>
        <source>Usage: %1</source>
        <translation>ব্যবহার: %1</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>কমান্ড লাইনের বিকল্পের সাহায্য দেখায়।</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos;-এর পরে অপ্রত্যাশিত মান।</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>সংস্করণের তথ্য দেখায়।</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>আর্গুমেন্ট:</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>&apos;%1&apos;-এর পরে মান নেই।</translation>
    </message>
</context>
<context>
    <name>QCupsJobWidget</name>
    <message>
        <source>Job</source>
        <translation>কাজ</translation>
    </message>
    <message>
        <source>End:</source>
        <translation>শেষ:</translation>
    </message>
    <message>
        <source>None</source>
        <translation>কিছু না</translation>
    </message>
    <message>
        <source>Banner Pages</source>
        <translation>ব্যানার পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Night (18:00 to 05:59)</source>
        <translation>রাত (১৮:০০ থেকে ০৫:৫৯)</translation>
    </message>
    <message>
        <source>Specific Time</source>
        <translation>নির্দিষ্ট সময়ে</translation>
    </message>
    <message>
        <source>Billing information:</source>
        <translation>বিলের তথ্য:</translation>
    </message>
    <message>
        <source>Scheduled printing:</source>
        <translation>নির্ধারিত সময়ে মুদ্রণ:</translation>
    </message>
    <message>
        <source>Secret</source>
        <translation>গোপন</translation>
    </message>
    <message>
        <source>Top Secret</source>
        <translation>অতি গোপন</translation>
    </message>
    <message>
        <source>Start:</source>
        <translation>শুরু:</translation>
    </message>
    <message>
        <source>Day (06:00 to 17:59)</source>
        <translation>দিন (০৬:০০ থেকে ১৭:৫৯)</translation>
    </message>
    <message>
        <source>Second Shift (16:00 to 23:59)</source>
        <translation>দ্বিতীয় পালা (১৬:০০ থেকে ২৩:৫৯)</translation>
    </message>
    <message>
        <source>Job Control</source>
        <translation>কাজের নিয়ন্ত্রণ</translation>
    </message>
    <message>
        <source>Weekend (Saturday to Sunday)</source>
        <translation>সাপ্তাহিক ছুটি (শনিবার থেকে রবিবার)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>সাধারণ</translation>
    </message>
    <message>
        <source>Classified</source>
        <translation>শ্রেণিভুক্ত</translation>
    </message>
    <message>
        <source>Third Shift (00:00 to 07:59)</source>
        <translation>তৃতীয় পালা (০০:০০ থেকে ০৭:৫৯)</translation>
    </message>
    <message>
        <source>Hold Indefinitely</source>
        <translation>অনির্দিষ্টকাল আটকে রাখুন</translation>
    </message>
    <message>
        <source>Print Immediately</source>
        <translation>এখনই মুদ্রণ</translation>
    </message>
    <message>
        <source>Confidential</source>
        <translation>গোপনীয়</translation>
    </message>
    <message>
        <source>Job priority:</source>
        <translation>কাজের অগ্রাধিকার:</translation>
    </message>
    <message>
        <source>Unclassified</source>
        <translation>শ্রেণিহীন</translation>
    </message>
</context>
<context>
    <name>QDialogButtonBox</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
</context>
<context>
    <name>QFileDialog</name>
    <message>
        <source>Show </source>
        <translation>দেখান: </translation>
    </message>
    <message>
        <source>Back</source>
        <translation>পেছনে</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>খুলুন(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>সংরক্ষণ(&amp;S)</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>ফাইল</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is write protected.
Do you want to delete it anyway?</source>
        <translation>&apos;%1&apos; লেখা থেকে সুরক্ষিত।
তবুও কি এটি মুছে ফেলতে চান?</translation>
    </message>
    <message>
        <source>Are you sure you want to delete &apos;%1&apos;?</source>
        <translation>আপনি কি নিশ্চিত যে &apos;%1&apos; মুছে ফেলতে চান?</translation>
    </message>
    <message>
        <source>List of places and bookmarks</source>
        <translation>জায়গা ও বুকমার্কের তালিকা</translation>
    </message>
    <message>
        <source>File &amp;name:</source>
        <translation>ফাইলের নাম(&amp;N):</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>মুছুন</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>নতুন ফোল্ডার</translation>
    </message>
    <message>
        <source>Parent Directory</source>
        <translation>ওপরের ফোল্ডার</translation>
    </message>
    <message>
        <source>&amp;New Folder</source>
        <translation>নতুন ফোল্ডার(&amp;N)</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>সরান</translation>
    </message>
    <message>
        <source>Look in:</source>
        <translation>যেখানে খুঁজবেন:</translation>
    </message>
    <message>
        <source>Create a New Folder</source>
        <translation>একটি নতুন ফোল্ডার তৈরি করুন</translation>
    </message>
    <message>
        <source>Files of type:</source>
        <translation>ফাইলের ধরন:</translation>
    </message>
    <message>
        <source>Find Directory</source>
        <translation>ফোল্ডার খুঁজুন</translation>
    </message>
    <message>
        <source>Show &amp;hidden files</source>
        <translation>লুকানো ফাইল দেখান(&amp;H)</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>অন্য নামে সংরক্ষণ</translation>
    </message>
    <message>
        <source>%1
Directory not found.
Please verify the correct directory name was given.</source>
        <translation>%1
ফোল্ডারটি পাওয়া যায়নি।
ফোল্ডারের নাম ঠিক দেওয়া হয়েছে কি না, দেখে নিন।</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>পার্শ্বতালিকা</translation>
    </message>
    <message>
        <source>List View</source>
        <translation>তালিকা আকারে</translation>
    </message>
    <message>
        <source>&amp;Choose</source>
        <translation>বাছুন(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>মুছুন(&amp;D)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>সব ফাইল (*)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>সব ফাইল (*)</translation>
    </message>
    <message>
        <source>Directories</source>
        <translation>ফোল্ডার</translation>
    </message>
    <message>
        <source>&amp;Rename</source>
        <translation>নাম বদলান(&amp;R)</translation>
    </message>
    <message>
        <source>Could not delete directory.</source>
        <translation>ফোল্ডারটি মোছা যায়নি।</translation>
    </message>
    <message>
        <source>Directory:</source>
        <translation>ফোল্ডার:</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 আগে থেকেই আছে।
আপনি কি এটি বদলে দিতে চান?</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>সামনে</translation>
    </message>
    <message>
        <source>Go forward</source>
        <translation>সামনে যান</translation>
    </message>
    <message>
        <source>Go to the parent directory</source>
        <translation>ওপরের ফোল্ডারে যান</translation>
    </message>
    <message>
        <source>Recent Places</source>
        <translation>সাম্প্রতিক জায়গা</translation>
    </message>
    <message>
        <source>Go back</source>
        <translation>পেছনে যান</translation>
    </message>
    <message>
        <source>Change to detail view mode</source>
        <translation>বিস্তারিত দৃশ্যে যান</translation>
    </message>
    <message>
        <source>Create New Folder</source>
        <translation>নতুন ফোল্ডার তৈরি করুন</translation>
    </message>
    <message>
        <source>Detail View</source>
        <translation>বিস্তারিত দৃশ্য</translation>
    </message>
    <message>
        <source>%1
File not found.
Please verify the correct file name was given.</source>
        <translation>%1
ফাইলটি পাওয়া যায়নি।
ফাইলের নাম ঠিক দেওয়া হয়েছে কি না, দেখে নিন।</translation>
    </message>
    <message>
        <source>Change to list view mode</source>
        <translation>তালিকা দৃশ্যে যান</translation>
    </message>
</context>
<context>
    <name>QFileSystemModel</name>
    <message>
        <source>Kind</source>
        <translation>প্রকার</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>নাম</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>আকার</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>ধরন</translation>
    </message>
    <message>
        <source>My Computer</source>
        <translation>আমার কম্পিউটার</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>কম্পিউটার</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>বদলের তারিখ</translation>
    </message>
</context>
<context>
    <name>QGnomeTheme</name>
    <message>
        <source>&amp;OK</source>
        <translation>ঠিক আছে(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>সংরক্ষণ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>বন্ধ(&amp;C)</translation>
    </message>
    <message>
        <source>Close without Saving</source>
        <translation>সংরক্ষণ না করে বন্ধ</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>বাতিল(&amp;C)</translation>
    </message>
</context>
<context>
    <name>QMessageBox</name>
    <message>
        <source>Show Details...</source>
        <translation>বিস্তারিত দেখান...</translation>
    </message>
    <message>
        <source>Hide Details...</source>
        <translation>বিস্তারিত লুকান...</translation>
    </message>
</context>
<context>
    <name>QPageSetupWidget</name>
    <message>
        <source>Form</source>
        <translation>ফর্ম</translation>
    </message>
    <message>
        <source>bottom margin</source>
        <translation>নিচের মার্জিন</translation>
    </message>
    <message>
        <source>Paper</source>
        <translation>কাগজ</translation>
    </message>
    <message>
        <source>Paper source:</source>
        <translation>কাগজের উৎস:</translation>
    </message>
    <message>
        <source>right margin</source>
        <translation>ডানের মার্জিন</translation>
    </message>
    <message>
        <source>Pica (P̸)</source>
        <translation>পাইকা (P̸)</translation>
    </message>
    <message>
        <source>Margins</source>
        <translation>মার্জিন</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>নিজের মাপ</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>আড়াআড়ি</translation>
    </message>
    <message>
        <source>Page Layout</source>
        <translation>পৃষ্ঠার বিন্যাস</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>প্রস্থ:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>দিক</translation>
    </message>
    <message>
        <source>Didot (DD)</source>
        <translation>দিদো (DD)</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>খাড়া</translation>
    </message>
    <message>
        <source>Page order:</source>
        <translation>পৃষ্ঠার ক্রম:</translation>
    </message>
    <message>
        <source>top margin</source>
        <translation>ওপরের মার্জিন</translation>
    </message>
    <message>
        <source>left margin</source>
        <translation>বাঁয়ের মার্জিন</translation>
    </message>
    <message>
        <source>Page size:</source>
        <translation>পৃষ্ঠার মাপ:</translation>
    </message>
    <message>
        <source>Cicero (CC)</source>
        <translation>সিসেরো (CC)</translation>
    </message>
    <message>
        <source>Reverse portrait</source>
        <translation>উল্টো খাড়া</translation>
    </message>
    <message>
        <source>Millimeters (mm)</source>
        <translation>মিলিমিটার (mm)</translation>
    </message>
    <message>
        <source>Points (pt)</source>
        <translation>পয়েন্ট (pt)</translation>
    </message>
    <message>
        <source>Pages per sheet:</source>
        <translation>প্রতি পাতায় পৃষ্ঠা:</translation>
    </message>
    <message>
        <source>Inches (in)</source>
        <translation>ইঞ্চি (in)</translation>
    </message>
    <message>
        <source>Reverse landscape</source>
        <translation>উল্টো আড়াআড়ি</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>উচ্চতা:</translation>
    </message>
</context>
<context>
    <name>QPageSize</name>
    <message>
        <source>Letter / ANSI A</source>
        <translation>লেটার / ANSI A</translation>
    </message>
    <message>
        <source>Legal</source>
        <translation>লিগ্যাল</translation>
    </message>
    <message>
        <source>Executive (7.5 x 10 in)</source>
        <translation>এক্সিকিউটিভ (৭.৫ x ১০ ইঞ্চি)</translation>
    </message>
    <message>
        <source>Executive (7.25 x 10.5 in)</source>
        <translation>এক্সিকিউটিভ (৭.২৫ x ১০.৫ ইঞ্চি)</translation>
    </message>
    <message>
        <source>Tabloid / ANSI B</source>
        <translation>ট্যাবলয়েড / ANSI B</translation>
    </message>
    <message>
        <source>Ledger / ANSI B</source>
        <translation>লেজার / ANSI B</translation>
    </message>
    <message>
        <source>Custom</source>
        <translation>নিজের মাপ</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>নোট</translation>
    </message>
    <message>
        <source>Postcard</source>
        <translation>পোস্টকার্ড</translation>
    </message>
    <message>
        <source>Double Postcard</source>
        <translation>জোড়া পোস্টকার্ড</translation>
    </message>
    <message>
        <source>Statement</source>
        <translation>স্টেটমেন্ট</translation>
    </message>
    <message>
        <source>Quarto</source>
        <translation>কোয়ার্টো</translation>
    </message>
    <message>
        <source>Folio (8.27 x 13 in)</source>
        <translation>ফোলিও (৮.২৭ x ১৩ ইঞ্চি)</translation>
    </message>
    <message>
        <source>%1 x %2 in</source>
        <translation>%1 x %2 ইঞ্চি</translation>
    </message>
    <message>
        <source>Custom (%1in x %2in)</source>
        <translation>নিজের মাপ (%1 ইঞ্চি x %2 ইঞ্চি)</translation>
    </message>
    <message>
        <source>Custom (%1mm x %2mm)</source>
        <translation>নিজের মাপ (%1 মিমি x %2 মিমি)</translation>
    </message>
    <message>
        <source>Custom (%1pt x %2pt)</source>
        <translation>নিজের মাপ (%1 পয়েন্ট x %2 পয়েন্ট)</translation>
    </message>
    <message>
        <source>Custom (%1pc x %2pc)</source>
        <translation>নিজের মাপ (%1 পাইকা x %2 পাইকা)</translation>
    </message>
    <message>
        <source>Custom (%1DD x %2DD)</source>
        <translation>নিজের মাপ (%1 দিদো x %2 দিদো)</translation>
    </message>
    <message>
        <source>Custom (%1CC x %2CC)</source>
        <translation>নিজের মাপ (%1 সিসেরো x %2 সিসেরো)</translation>
    </message>
    <message>
        <source>Envelope DL</source>
        <translation>খাম DL</translation>
    </message>
    <message>
        <source>Envelope C5</source>
        <translation>খাম C5</translation>
    </message>
    <message>
        <source>Envelope US 10</source>
        <translation>খাম US 10</translation>
    </message>
    <message>
        <source>Envelope Monarch</source>
        <translation>খাম মনার্ক</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>না(&amp;N)</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>হ্যাঁ(&amp;Y)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>সাহায্য</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>খুলুন</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>সংরক্ষণ</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>বাতিল করুন</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>প্রয়োগ</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>আগের মতো</translation>
    </message>
    <message>
        <source>Retry</source>
        <translation>আবার চেষ্টা</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>মূল মানে ফেরান</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>উপেক্ষা</translation>
    </message>
    <message>
        <source>N&amp;o to All</source>
        <translation>সবগুলোতে না(&amp;O)</translation>
    </message>
    <message>
        <source>Save All</source>
        <translation>সব সংরক্ষণ</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>বাদ দিন</translation>
    </message>
    <message>
        <source>Yes to &amp;All</source>
        <translation>সবগুলোতে হ্যাঁ(&amp;A)</translation>
    </message>
</context>
<context>
    <name>QPrintDialog</name>
    <message>
        <source>Even Pages</source>
        <translation>জোড় পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>মুদ্রণ</translation>
    </message>
    <message>
        <source>&amp;Options &lt;&lt;</source>
        <translation>বিকল্প(&amp;O) &lt;&lt;</translation>
    </message>
    <message>
        <source>&amp;Options &gt;&gt;</source>
        <translation>বিকল্প(&amp;O) &gt;&gt;</translation>
    </message>
    <message>
        <source>Left to Right, Top to Bottom</source>
        <translation>বাঁ থেকে ডানে, ওপর থেকে নিচে</translation>
    </message>
    <message>
        <source>Right to Left, Bottom to Top</source>
        <translation>ডান থেকে বাঁয়ে, নিচ থেকে ওপরে</translation>
    </message>
    <message>
        <source>Write PDF file</source>
        <translation>PDF ফাইল লিখুন</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>মুদ্রণ(&amp;P)</translation>
    </message>
    <message>
        <source>1 (1x1)</source>
        <translation>১ (১x১)</translation>
    </message>
    <message>
        <source>Options &apos;Pages Per Sheet&apos; and &apos;Page Set&apos; cannot be used together.
Please turn one of those options off.</source>
        <translation>&apos;প্রতি পাতায় পৃষ্ঠা&apos; ও &apos;পৃষ্ঠার সেট&apos; বিকল্প দুটি একসঙ্গে ব্যবহার করা যায় না।
একটি বন্ধ করুন।</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to overwrite it?</source>
        <translation>%1 আগে থেকেই আছে।
আপনি কি এর ওপরে লিখতে চান?</translation>
    </message>
    <message>
        <source>2 (2x1)</source>
        <translation>২ (২x১)</translation>
    </message>
    <message>
        <source>Left to Right, Bottom to Top</source>
        <translation>বাঁ থেকে ডানে, নিচ থেকে ওপরে</translation>
    </message>
    <message>
        <source>4 (2x2)</source>
        <translation>৪ (২x২)</translation>
    </message>
    <message>
        <source>Odd Pages</source>
        <translation>বিজোড় পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Local file</source>
        <translation>এই কম্পিউটারের ফাইল</translation>
    </message>
    <message>
        <source>6 (2x3)</source>
        <translation>৬ (২x৩)</translation>
    </message>
    <message>
        <source>16 (4x4)</source>
        <translation>১৬ (৪x৪)</translation>
    </message>
    <message>
        <source>There are conflicts in duplex settings. Do you want to fix them?</source>
        <translation>দুই পিঠে মুদ্রণের সেটিংয়ে গরমিল আছে। আপনি কি তা ঠিক করতে চান?</translation>
    </message>
    <message>
        <source>Print to File (PDF)</source>
        <translation>ফাইলে মুদ্রণ (PDF)</translation>
    </message>
    <message>
        <source>Print To File ...</source>
        <translation>ফাইলে মুদ্রণ ...</translation>
    </message>
    <message>
        <source>Invalid Pages Definition</source>
        <translation>পৃষ্ঠার ভুল উল্লেখ</translation>
    </message>
    <message>
        <source>%1 does not follow the correct syntax. Please use &apos;,&apos; to separate ranges and pages, &apos;-&apos; to define ranges and make sure ranges do not intersect with each other.</source>
        <translation>%1 সঠিক নিয়মে লেখা নয়। পৃষ্ঠা ও পরিসর আলাদা করতে &apos;,&apos; আর পরিসর বোঝাতে &apos;-&apos; ব্যবহার করুন, এবং খেয়াল রাখুন যেন পরিসরগুলো একটি অন্যটির ওপর না পড়ে।</translation>
    </message>
    <message>
        <source>9 (3x3)</source>
        <translation>৯ (৩x৩)</translation>
    </message>
    <message>
        <source>Right to Left, Top to Bottom</source>
        <translation>ডান থেকে বাঁয়ে, ওপর থেকে নিচে</translation>
    </message>
    <message>
        <source>Bottom to Top, Left to Right</source>
        <translation>নিচ থেকে ওপরে, বাঁ থেকে ডানে</translation>
    </message>
    <message>
        <source>The &apos;From&apos; value cannot be greater than the &apos;To&apos; value.</source>
        <translation>&apos;থেকে&apos;-র মান &apos;পর্যন্ত&apos;-র মানের চেয়ে বেশি হতে পারে না।</translation>
    </message>
    <message>
        <source>All Pages</source>
        <translation>সব পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Duplex Settings Conflicts</source>
        <translation>দুই পিঠে মুদ্রণের সেটিংয়ে গরমিল</translation>
    </message>
    <message>
        <source>%1 is a directory.
Please choose a different file name.</source>
        <translation>%1 একটি ফোল্ডার।
অন্য একটি ফাইলের নাম বাছুন।</translation>
    </message>
    <message>
        <source>File %1 is not writable.
Please choose a different file name.</source>
        <translation>%1 ফাইলে লেখা যায় না।
অন্য একটি ফাইলের নাম বাছুন।</translation>
    </message>
    <message>
        <source>Bottom to Top, Right to Left</source>
        <translation>নিচ থেকে ওপরে, ডান থেকে বাঁয়ে</translation>
    </message>
    <message>
        <source>Top to Bottom, Left to Right</source>
        <translation>ওপর থেকে নিচে, বাঁ থেকে ডানে</translation>
    </message>
    <message>
        <source>Top to Bottom, Right to Left</source>
        <translation>ওপর থেকে নিচে, ডান থেকে বাঁয়ে</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesDialog</name>
    <message>
        <source>Advanced Option Conflicts</source>
        <translation>উন্নত বিকল্পে গরমিল</translation>
    </message>
    <message>
        <source>Job Options</source>
        <translation>কাজের বিকল্প</translation>
    </message>
    <message>
        <source>Page Setup Conflicts</source>
        <translation>পৃষ্ঠা বিন্যাসে গরমিল</translation>
    </message>
    <message>
        <source>There are conflicts in some advanced options. Do you want to fix them?</source>
        <translation>কিছু উন্নত বিকল্পে গরমিল আছে। আপনি কি তা ঠিক করতে চান?</translation>
    </message>
    <message>
        <source>There are conflicts in page setup options. Do you want to fix them?</source>
        <translation>পৃষ্ঠা বিন্যাসের বিকল্পে গরমিল আছে। আপনি কি তা ঠিক করতে চান?</translation>
    </message>
    <message>
        <source>Printer Properties</source>
        <translation>প্রিন্টারের বৈশিষ্ট্য</translation>
    </message>
</context>
<context>
    <name>QPrintPropertiesWidget</name>
    <message>
        <source>Form</source>
        <translation>ফর্ম</translation>
    </message>
    <message>
        <source>Page</source>
        <translation>পৃষ্ঠা</translation>
    </message>
    <message>
        <source>There are conflicts in some options. Please fix them.</source>
        <translation>কিছু বিকল্পে গরমিল আছে। সেগুলো ঠিক করুন।</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>উন্নত</translation>
    </message>
</context>
<context>
    <name>QPrintSettingsOutput</name>
    <message>
        <source>to</source>
        <translation>থেকে</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>বন্ধ</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>ফর্ম</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>রঙিন</translation>
    </message>
    <message>
        <source>Print all</source>
        <translation>সবটা মুদ্রণ</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Current Page</source>
        <translation>এই পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>নির্বাচিত অংশ</translation>
    </message>
    <message>
        <source>Copies</source>
        <translation>কপি</translation>
    </message>
    <message>
        <source>Print range</source>
        <translation>মুদ্রণের পরিসর</translation>
    </message>
    <message>
        <source>Color Mode</source>
        <translation>রঙের ধরন</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>বিকল্প</translation>
    </message>
    <message>
        <source>Output Settings</source>
        <translation>মুদ্রণের সেটিং</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>উল্টো ক্রমে</translation>
    </message>
    <message>
        <source>Grayscale</source>
        <translation>সাদাকালো</translation>
    </message>
    <message>
        <source>Collate</source>
        <translation>সেট ধরে সাজান</translation>
    </message>
    <message>
        <source>Copies:</source>
        <translation>কপি:</translation>
    </message>
    <message>
        <source>Short side binding</source>
        <translation>ছোট দিকে বাঁধাই</translation>
    </message>
    <message>
        <source>Specify pages or ranges separated by commas. Ranges are specified by two numbers separated by a hyphen. E.g: 3,5-7,9 prints pages 3, 5, 6, 7 and 9.</source>
        <translation>পৃষ্ঠা বা পরিসর কমা দিয়ে আলাদা করে লিখুন। পরিসর লিখুন হাইফেন দিয়ে জোড়া দুটি সংখ্যায়। যেমন: 3,5-7,9 লিখলে ৩, ৫, ৬, ৭ ও ৯ নম্বর পৃষ্ঠা মুদ্রিত হয়।</translation>
    </message>
    <message>
        <source>Pages from</source>
        <translation>পৃষ্ঠা</translation>
    </message>
    <message>
        <source>Double Sided Printing</source>
        <translation>কাগজের দুই পিঠে মুদ্রণ</translation>
    </message>
    <message>
        <source>Page Set:</source>
        <translation>পৃষ্ঠার সেট:</translation>
    </message>
    <message>
        <source>Long side binding</source>
        <translation>লম্বা দিকে বাঁধাই</translation>
    </message>
</context>
<context>
    <name>QPrintWidget</name>
    <message>
        <source>Form</source>
        <translation>ফর্ম</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>ধরন:</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>নাম(&amp;N):</translation>
    </message>
    <message>
        <source>Output &amp;file:</source>
        <translation>ফলাফলের ফাইল(&amp;F):</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>বৈশিষ্ট্য(&amp;R)</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>আগাম দেখা</translation>
    </message>
    <message>
        <source>Printer</source>
        <translation>প্রিন্টার</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>অবস্থান:</translation>
    </message>
</context>
</TS>
