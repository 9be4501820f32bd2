<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="bn_BD">
<context>
    <name>Dialogs</name>
    <message>
        <source>&amp;Overwrite</source>
        <translation>ওভাররাইট(&amp;O)</translation>
    </message>
    <message>
        <source>Save &amp;Elsewhere...</source>
        <translation>অন্য কোথাও সংরক্ষণ(&amp;E)...</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>&quot;%1&quot; was changed by another program after this document was opened or saved.
Overwrite those changes, save this document elsewhere, or cancel?</source>
        <translation>এই নথি খোলা বা সংরক্ষণের পর অন্য একটি প্রোগ্রাম &quot;%1&quot; বদলে দিয়েছে।
সেই পরিবর্তনগুলোর ওপর লিখবেন, এই নথি অন্য কোথাও সংরক্ষণ করবেন, নাকি বাতিল করবেন?</translation>
    </message>
</context>
<context>
    <name>NorvelinRtf</name>
    <message>
        <source>the output would replace the input</source>
        <translation>ফলাফলটি মূল ফাইলের জায়গা নিয়ে নিত</translation>
    </message>
    <message>
        <source>%1 is already written from %2</source>
        <translation>%1 আগেই %2 থেকে লেখা হচ্ছে</translation>
    </message>
    <message>
        <source>a batch needs --to, -o and at least one file or folder</source>
        <translation>একসঙ্গে রূপান্তরে --to, -o এবং অন্তত একটি ফাইল বা ফোল্ডার লাগে</translation>
    </message>
    <message>
        <source>--to takes txt, html, rtf or pdf</source>
        <translation>--to-এর পরে txt, html, rtf বা pdf দিন</translation>
    </message>
    <message>
        <source>-j takes a number of threads, 1 or more</source>
        <translation>-j-এর পরে থ্রেডের সংখ্যা দিন, 1 বা তার বেশি</translation>
    </message>
    <message>
        <source>--unicode writes txt or html</source>
        <translation>--unicode কেবল txt বা html লেখে</translation>
    </message>
    <message>
        <source>%1: the output folder cannot be made</source>
        <translation>%1: ফলাফলের ফোল্ডার তৈরি করা যাচ্ছে না</translation>
    </message>
    <message>
        <source>Writes NQ text as Unicode Bengali (text and HTML output).</source>
        <translation>NQ লেখাকে ইউনিকোড বাংলায় লেখে (টেক্সট ও HTML ফলাফলে)।</translation>
    </message>
    <message>
        <source>Reads UTF-8 Unicode Bengali text and writes it as NQ in RTF.</source>
        <translation>UTF-8 ইউনিকোড বাংলা লেখা পড়ে RTF-এ NQ হিসেবে লেখে।</translation>
    </message>
    <message>
        <source>Batch: the format of the results, txt, html, rtf or pdf.</source>
        <translation>একসঙ্গে রূপান্তর: ফলাফলের ধরন, txt, html, rtf বা pdf।</translation>
    </message>
    <message>
        <source>format</source>
        <translation>ধরন</translation>
    </message>
    <message>
        <source>Batch: the folder the results go to.</source>
        <translation>একসঙ্গে রূপান্তর: যে ফোল্ডারে ফলাফল যাবে।</translation>
    </message>
    <message>
        <source>folder</source>
        <translation>ফোল্ডার</translation>
    </message>
    <message>
        <source>Batch: documents converted at once (default: one per core).</source>
        <translation>একসঙ্গে রূপান্তর: একই সময়ে কয়টি নথি রূপান্তর হবে (না বললে প্রতি কোরে একটি)।</translation>
    </message>
    <message>
        <source>threads</source>
        <translation>থ্রেড</translation>
    </message>
    <message>
        <source>Shows this help.</source>
        <translation>এই সাহায্য দেখায়।</translation>
    </message>
    <message>
        <source>IN.rtf OUT.rtf|OUT.txt|OUT.html|OUT.pdf</source>
        <translation>উৎস.rtf ফল.rtf|ফল.txt|ফল.html|ফল.pdf</translation>
    </message>
    <message>
        <source>--unicode IN.rtf OUT.txt|OUT.html</source>
        <translation>--unicode উৎস.rtf ফল.txt|ফল.html</translation>
    </message>
    <message>
        <source>--from-unicode IN.txt OUT.rtf</source>
        <translation>--from-unicode উৎস.txt ফল.rtf</translation>
    </message>
    <message>
        <source>Converts one document; OUT&apos;s extension chooses the format.</source>
        <translation>একটি নথি রূপান্তর করে; ফল-এর এক্সটেনশন দেখে ধরন ঠিক হয়।</translation>
    </message>
    <message>
        <source>[--unicode] --to txt|html|rtf|pdf -o OUTDIR [-j N] FILE|FOLDER...</source>
        <translation>[--unicode] --to txt|html|rtf|pdf -o ফলের-ফোল্ডার [-j সংখ্যা] ফাইল|ফোল্ডার...</translation>
    </message>
    <message>
        <source>Converts many documents on all cores. Folders are walked for .rtf files; each result lands below OUTDIR where its document lay below its folder. A bad document is reported and the rest go on.</source>
        <translation>সব কোরে একসঙ্গে অনেক নথি রূপান্তর করে। ফোল্ডারের ভেতরে .rtf ফাইল খোঁজা হয়; প্রতিটি ফলাফল ফলের-ফোল্ডারের নিচে সেই জায়গায় যায়, যেখানে তার নথি নিজের ফোল্ডারের নিচে ছিল। কোনো নথি খারাপ হলে তা জানানো হয়, বাকিগুলোর কাজ চলতে থাকে।</translation>
    </message>
    <message>
        <source>usage: </source>
        <translation>ব্যবহার: </translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>বিকল্প:</translation>
    </message>
    <message>
        <source>Exit status: 0 done, 1 a document could not be converted, 2 a usage error.</source>
        <translation>প্রস্থান-অবস্থা: 0 কাজ সম্পন্ন, 1 কোনো নথি রূপান্তর করা যায়নি, 2 ব্যবহারে ভুল।</translation>
    </message>
    <message>
        <source>%1 cannot be used here</source>
        <translation>%1 এখানে ব্যবহার করা যায় না</translation>
    </message>
    <message>
        <source>--unicode and --from-unicode exclude each other</source>
        <translation>--unicode ও --from-unicode একসঙ্গে দেওয়া যায় না</translation>
    </message>
    <message>
        <source>%1: unknown output type (use .rtf, .txt, .html or .pdf)</source>
        <translation>%1: অজানা ফলাফলের ধরন (.rtf, .txt, .html বা .pdf ব্যবহার করুন)</translation>
    </message>
    <message>
        <source>--unicode writes .txt or .html; --from-unicode writes .rtf</source>
        <translation>--unicode লেখে .txt বা .html; --from-unicode লেখে .rtf</translation>
    </message>
    <message>
        <source>the output %1 would replace %2, an input of this batch</source>
        <translation>আউটপুট %1 এই ব্যাচের একটি ইনপুট %2-এর জায়গা নিত</translation>
    </message>
    <message>
        <source>norvelin-rtf: nothing was written: results would replace documents of this batch; choose an output folder outside the inputs
</source>
        <translation>norvelin-rtf: কিছুই লেখা হয়নি: ফলাফলগুলো এই ব্যাচের নথির জায়গা নিত; ইনপুটগুলোর বাইরে একটি আউটপুট ফোল্ডার বেছে নিন
</translation>
    </message>
    <message>
        <source>Lists the misspelled Bengali words of the NQ text, with suggestions.</source>
        <translation>NQ লেখার ভুল বানানের বাংলা শব্দগুলো প্রস্তাবসহ তালিকা করে।</translation>
    </message>
    <message>
        <source>--spell IN.rtf</source>
        <translation>--spell উৎস.rtf</translation>
    </message>
    <message>
        <source>Checks the spelling of the document&apos;s Bengali: one line per flagged word, PARAGRAPH&lt;TAB&gt;WORD&lt;TAB&gt;SUGGESTIONS, in Unicode.</source>
        <translation>নথির বাংলার বানান যাচাই করে: চিহ্নিত প্রতিটি শব্দের জন্য এক লাইন — অনুচ্ছেদের ক্রমিক, ট্যাব, শব্দ, ট্যাব, প্রস্তাবগুলো — ইউনিকোডে।</translation>
    </message>
    <message>
        <source>the document could not be printed</source>
        <translation>নথিটি মুদ্রণ করা যায়নি</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Spelling</name>
    <message>
        <source>The spelling dictionary was not found.</source>
        <translation>বানানের অভিধান পাওয়া যায়নি।</translation>
    </message>
    <message>
        <source>The spelling dictionary could not be read: %1</source>
        <translation>বানানের অভিধান পড়া যায়নি: %1</translation>
    </message>
    <message>
        <source>The word could not be saved: %1</source>
        <translation>শব্দটি সংরক্ষণ করা যায়নি: %1</translation>
    </message>
</context>
<context>
    <name>ToolbarCommands</name>
    <message>
        <source>This Version doesn&apos;t have this feature.
<byte value="xd"/>Save the file and open it under Microsoft Wrod for further edit</source>
        <translation>এই সংস্করণে এই সুবিধাটি নেই।
<byte value="xd"/>আরও সম্পাদনার জন্য ফাইলটি সংরক্ষণ করে মাইক্রোসফট ওয়ার্ডে খুলুন</translation>
    </message>
    <message>
        <source>You do not need any help. Do you??</source>
        <translation>আপনার কোনো সাহায্যের দরকার নেই। আছে কি??</translation>
    </message>
    <message>
        <source>Help </source>
        <extracomment>The message box&apos;s title; the blank after the word is kept.</extracomment>
        <translation>সাহায্য </translation>
    </message>
</context>
<context>
    <name>ToolbarSlot</name>
    <message>
        <source>New</source>
        <translation>নতুন</translation>
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
        <source>Print</source>
        <translation>মুদ্রণ</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>কাটুন</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>অনুলিপি</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>সাঁটুন</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>গাঢ়</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>বাঁকা</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>নিচে দাগ</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>বাঁয়ে</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>মাঝখানে</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>ডানে</translation>
    </message>
    <message>
        <source>Goto Word</source>
        <translation>ওয়ার্ডে যান</translation>
    </message>
    <message>
        <source>Font Color</source>
        <translation>অক্ষরের রং</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>সাহায্য</translation>
    </message>
    <message>
        <source>About</source>
        <translation>পরিচিতি</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>প্রস্থান</translation>
    </message>
</context>
<context>
    <name>about</name>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>এই মুহূর্তে সিস্টেমের তথ্য পাওয়া যাচ্ছে না</translation>
    </message>
</context>
<context>
    <name>about::AboutDialog</name>
    <message>
        <source>A small word processor for writing Bengali in its own single-byte font, NQ, with a palette of every glyph.
Made by the Norvelin developers; reach them through the project&apos;s issue tracker.</source>
        <translation>নিজস্ব এক-বাইটের ফন্ট NQ-তে বাংলা লেখার ছোট একটি ওয়ার্ড প্রসেসর, সঙ্গে প্রতিটি গ্লিফের প্যালেট।
তৈরি করেছেন Norvelin-এর ডেভেলপাররা; প্রকল্পের ইস্যু-তালিকায় তাঁদের কাছে লিখুন।</translation>
    </message>
    <message>
        <source>Written by the Norvelin developers in C++ with Qt 6. The NQ editing font is generated from Noto Sans Bengali by the Noto Project Authors.</source>
        <translation>Norvelin-এর ডেভেলপাররা Qt 6 দিয়ে C++ ভাষায় লিখেছেন। NQ সম্পাদনা-ফন্টটি নোটো প্রকল্পের লেখকদের Noto Sans Bengali থেকে তৈরি।</translation>
    </message>
    <message>
        <source>Font design: Noto Sans Bengali</source>
        <translation>ফন্টের নকশা: Noto Sans Bengali</translation>
    </message>
    <message>
        <source>© the Norvelin developers. The NQ font is licensed under the SIL Open Font License 1.1.</source>
        <translation>© Norvelin-এর ডেভেলপাররা। NQ ফন্টটি SIL Open Font License 1.1-এর অধীনে লাইসেন্স করা।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>সিস্টেমের তথ্য(&amp;S)...</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>%1 পরিচিতি</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>সংস্করণ %1</translation>
    </message>
</context>
<context>
    <name>app</name>
    <message>
        <source>Usage: norvelin [FILE]
A word processor for writing Bengali in the NQ font.

  FILE           an RTF document to open, as File &gt; Open does
  -h, --help     show this help and exit
  -v, --version  show the version and exit

To convert documents without a window, use norvelin-rtf.
</source>
        <translation>ব্যবহার: norvelin [ফাইল]
NQ ফন্টে বাংলা লেখার একটি ওয়ার্ড প্রসেসর।

  ফাইল           যে RTF নথি খুলবে, ফাইল &gt; খুলুন যেভাবে খোলে
  -h, --help     এই সাহায্য দেখিয়ে বন্ধ হয়
  -v, --version  সংস্করণ দেখিয়ে বন্ধ হয়

জানালা ছাড়া নথি রূপান্তর করতে norvelin-rtf ব্যবহার করুন।
</translation>
    </message>
    <message>
        <source>norvelin: %1
Try &apos;norvelin --help&apos; for more information.
</source>
        <translation>norvelin: %1
আরও জানতে &apos;norvelin --help&apos; চালান।
</translation>
    </message>
    <message>
        <source>one file at a time</source>
        <translation>একবারে একটিই ফাইল</translation>
    </message>
</context>
<context>
    <name>documents</name>
    <message>
        <source>Rich Text Format files|*.rtf</source>
        <translation>রিচ টেক্সট ফরম্যাট ফাইল|*.rtf</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>&quot;%1&quot; আগে থেকেই আছে।
আপনি কি এটি বদলে দিতে চান?</translation>
    </message>
    <message>
        <source>Do you save change of this Document?</source>
        <translation>এই নথির পরিবর্তন সংরক্ষণ করবেন?</translation>
    </message>
    <message>
        <source>Saving Confirmation</source>
        <translation>সংরক্ষণের নিশ্চিতকরণ</translation>
    </message>
    <message>
        <source>Do you want to save this document?</source>
        <translation>আপনি কি এই নথিটি সংরক্ষণ করতে চান?</translation>
    </message>
    <message>
        <source>Saving confirmation</source>
        <translation>সংরক্ষণ নিশ্চিতকরণ</translation>
    </message>
    <message>
        <source>Cannot print to the file &quot;%1&quot;: it could not be written.</source>
        <translation>&quot;%1&quot; ফাইলে মুদ্রণ করা যাচ্ছে না: ফাইলটি লেখা যায়নি।</translation>
    </message>
    <message>
        <source>Cannot print on the printer &quot;%1&quot;.</source>
        <translation>&quot;%1&quot; প্রিন্টারে মুদ্রণ করা যাচ্ছে না।</translation>
    </message>
    <message>
        <source>There is no printer to print on.</source>
        <translation>মুদ্রণের জন্য কোনো প্রিন্টার নেই।</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Rich Text Format document.</source>
        <translation>&quot;%1&quot; কোনো রিচ টেক্সট ফরম্যাট (RTF) নথি নয়।</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be opened.</source>
        <translation>&quot;%1&quot; খোলা যায়নি।</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be saved.</source>
        <translation>&quot;%1&quot; সংরক্ষণ করা যায়নি।</translation>
    </message>
    <message>
        <source>The recovery copy could not be read.

%1</source>
        <translation>পুনরুদ্ধারের কপিটি পড়া যায়নি।

%1</translation>
    </message>
</context>
<context>
    <name>documents::Document</name>
    <message>
        <source>This is an unsaved Document</source>
        <translation>এটি একটি অসংরক্ষিত নথি</translation>
    </message>
</context>
<context>
    <name>editing</name>
    <message>
        <source>Opening %1…</source>
        <translation>%1 খোলা হচ্ছে…</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>বাতিল</translation>
    </message>
</context>
<context>
    <name>files</name>
    <message>
        <source>it is a folder</source>
        <translation>এটি একটি ফোল্ডার</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file, and is never replaced</source>
        <translation>এটি একটি নেমড পাইপ (FIFO), সাধারণ ফাইল নয়, এবং এর জায়গায় কখনো কিছু লেখা হয় না</translation>
    </message>
    <message>
        <source>it is a device, not a regular file, and is never replaced</source>
        <translation>এটি একটি ডিভাইস, সাধারণ ফাইল নয়, এবং এর জায়গায় কখনো কিছু লেখা হয় না</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file, and is never replaced</source>
        <translation>এটি একটি সকেট, সাধারণ ফাইল নয়, এবং এর জায়গায় কখনো কিছু লেখা হয় না</translation>
    </message>
    <message>
        <source>it is not a regular file, and is never replaced</source>
        <translation>এটি সাধারণ ফাইল নয়, এবং এর জায়গায় কখনো কিছু লেখা হয় না</translation>
    </message>
    <message>
        <source>it is a symbolic link to %1, which does not exist</source>
        <translation>এটি %1-এর একটি সিম্বলিক লিংক, যার অস্তিত্ব নেই</translation>
    </message>
    <message>
        <source>its name is not valid UTF-8, and more than one file in its folder has a name that reads the same; rename it in a file manager or a shell</source>
        <translation>এর নাম বৈধ UTF-8 নয়, এবং এর ফোল্ডারে একই রকম পড়া যায় এমন নামের একাধিক ফাইল আছে; ফাইল ম্যানেজার বা শেলে এর নাম বদলান</translation>
    </message>
    <message>
        <source>it has %1 names (hard links), which a new file would split apart, and it cannot be written in place: %2</source>
        <translation>এর %1টি নাম (হার্ড লিংক) আছে, নতুন ফাইল যেগুলোকে আলাদা করে দিত, এবং একে জায়গায় লেখা যায় না: %2</translation>
    </message>
    <message>
        <source>a new file in its place would not keep its %1, and it cannot be written in place: %2</source>
        <translation>এর জায়গায় নতুন ফাইল এর %1 রাখতে পারত না, এবং একে জায়গায় লেখা যায় না: %2</translation>
    </message>
    <message>
        <source>no checked copy of its old content could be made before writing it in place (%1), so it was left as it was</source>
        <translation>জায়গায় লেখার আগে এর পুরোনো বিষয়বস্তুর যাচাই করা কপি করা যায়নি (%1), তাই এটি যেমন ছিল তেমনই রাখা হয়েছে</translation>
    </message>
    <message>
        <source>another file took its name while it was being saved; nothing was written</source>
        <translation>সংরক্ষণের সময় অন্য একটি ফাইল এর নাম নিয়ে নিয়েছে; কিছুই লেখা হয়নি</translation>
    </message>
    <message>
        <source>writing it in place failed (%1), and its old content could not be put back; the old content is kept in %2</source>
        <translation>জায়গায় লেখা ব্যর্থ হয়েছে (%1), এবং এর পুরোনো বিষয়বস্তু ফেরত আনা যায়নি; পুরোনো বিষয়বস্তু %2-এ রাখা আছে</translation>
    </message>
</context>
<context>
    <name>printout</name>
    <message>
        <source>The PDF was written, but its Bengali text could not be made searchable: %1</source>
        <translation>PDF লেখা হয়েছে, কিন্তু এর বাংলা লেখা খোঁজার উপযোগী করা যায়নি: %1</translation>
    </message>
</context>
<context>
    <name>recovery</name>
    <message>
        <source>the disk is full</source>
        <translation>ডিস্ক ভরে গেছে</translation>
    </message>
    <message>
        <source>its lock file cannot be made</source>
        <translation>এর লক-ফাইল তৈরি করা যাচ্ছে না</translation>
    </message>
    <message>
        <source>%1: cannot be used for recovery copies: %2</source>
        <translation>%1: পুনরুদ্ধার-অনুলিপির জন্য ব্যবহার করা যাচ্ছে না: %2</translation>
    </message>
</context>
<context>
    <name>rtf</name>
    <message>
        <source>it is a folder</source>
        <translation>এটি একটি ফোল্ডার</translation>
    </message>
    <message>
        <source>it is a named pipe (FIFO), not a regular file</source>
        <translation>এটি একটি নেমড পাইপ (FIFO), সাধারণ ফাইল নয়</translation>
    </message>
    <message>
        <source>it is a device, not a regular file</source>
        <translation>এটি একটি ডিভাইস, সাধারণ ফাইল নয়</translation>
    </message>
    <message>
        <source>it is a socket, not a regular file</source>
        <translation>এটি একটি সকেট, সাধারণ ফাইল নয়</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>এটি সাধারণ ফাইল নয়</translation>
    </message>
    <message>
        <source>it is %1 bytes long; documents larger than 1 GiB (%2 bytes) are not opened</source>
        <translation>এটি %1 বাইট দীর্ঘ; ১ GiB (%2 বাইট)-এর চেয়ে বড় নথি খোলা হয় না</translation>
    </message>
    <message>
        <source>there is not enough memory to open it</source>
        <translation>এটি খোলার মতো যথেষ্ট মেমরি নেই</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>ফাইলটি খালি</translation>
    </message>
    <message>
        <source>this is not an RTF file: it does not begin with {\rtf</source>
        <translation>এটি RTF ফাইল নয়: এটি {\rtf দিয়ে শুরু হয়নি</translation>
    </message>
    <message>
        <source>groups are nested more than %1 deep</source>
        <translation>গ্রুপগুলো %1 স্তরের বেশি গভীরে সাজানো</translation>
    </message>
    <message>
        <source>the file is truncated: \bin%1 announces %1 bytes of data but only %2 follow</source>
        <translation>ফাইলটি অসম্পূর্ণ: \bin%1 %1 বাইট ডেটার কথা বলে, কিন্তু আছে মাত্র %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>cannot be written: %1</source>
        <translation>লেখা যায় না: %1</translation>
    </message>
    <message>
        <source>cannot be read: %1</source>
        <translation>পড়া যায় না: %1</translation>
    </message>
    <message>
        <source>%1 (line %2, column %3)</source>
        <translation>%1 (লাইন %2, কলাম %3)</translation>
    </message>
    <message>
        <source>%1: the file ends before its last group is closed, so it may have been cut short. What it holds is shown; saving keeps only that.</source>
        <translation>%1: ফাইলটি তার শেষ গ্রুপ বন্ধ হওয়ার আগেই শেষ হয়েছে, তাই এটি হয়তো কেটে গেছে। এতে যা আছে তা দেখানো হলো; সংরক্ষণ করলে শুধু সেটুকুই থাকবে।</translation>
    </message>
    <message>
        <source>%1 would take more than the %2 MB of memory a document&apos;s pictures may use</source>
        <translation>%1 একটি নথির ছবিগুলোর জন্য বরাদ্দ %2 MB মেমরির বেশি নিত</translation>
    </message>
    <message>
        <source>%1 could not be decoded</source>
        <translation>%1 ডিকোড করা যায়নি</translation>
    </message>
    <message>
        <source>%1: %2 shown as grey boxes (%3). Saving writes them back as they were.</source>
        <translation>%1: %2 ধূসর বাক্স হিসেবে দেখানো হলো (%3)। সংরক্ষণ করলে সেগুলো যেমন ছিল তেমনই লেখা হয়।</translation>
    </message>
    <message>
        <source>1 picture is</source>
        <translation>১টি ছবি</translation>
    </message>
    <message>
        <source>%1 pictures are</source>
        <translation>%1টি ছবি</translation>
    </message>
    <message>
        <source>1 picture could not be encoded and is</source>
        <translation>১টি ছবি এনকোড করা যায়নি এবং</translation>
    </message>
    <message>
        <source>%1 pictures could not be encoded and are</source>
        <translation>%1টি ছবি এনকোড করা যায়নি এবং</translation>
    </message>
    <message>
        <source>%1: %2 left out of the file; everything else is saved.</source>
        <translation>%1: %2 ফাইল থেকে বাদ পড়েছে; বাকি সব সংরক্ষিত হয়েছে।</translation>
    </message>
    <message>
        <source>%1: its headers and footers are not shown. Saving writes them back as they were.</source>
        <translation>%1: এর শিরোনাম ও পাদটীকা-অংশ দেখানো হয় না। সংরক্ষণ করলে সেগুলো যেমন ছিল তেমনই লেখা হয়।</translation>
    </message>
    <message>
        <source>it is %1 bytes long; the editor opens documents up to %2 MiB (%3 bytes), norvelin-rtf converts them up to 1 GiB</source>
        <translation>এটি %1 বাইট দীর্ঘ; সম্পাদক %2 MiB (%3 বাইট) পর্যন্ত নথি খোলে, norvelin-rtf ১ GiB পর্যন্ত রূপান্তর করে</translation>
    </message>
    <message>
        <source>reading was cancelled</source>
        <translation>পড়া বাতিল করা হয়েছে</translation>
    </message>
    <message>
        <source>%1: %2 too long to edit without delay, so each was cut into pieces of at most %3 characters. Saving keeps the pieces as paragraphs.</source>
        <translation>%1: %2 দেরি ছাড়া সম্পাদনার জন্য খুব দীর্ঘ ছিল, তাই প্রতিটি সর্বোচ্চ %3 অক্ষরের টুকরোয় ভাগ করা হয়েছে। সংরক্ষণ করলে টুকরোগুলো অনুচ্ছেদ হিসেবে থাকে।</translation>
    </message>
    <message>
        <source>1 paragraph was</source>
        <translation>১টি অনুচ্ছেদ</translation>
    </message>
    <message>
        <source>%1 paragraphs were</source>
        <translation>%1টি অনুচ্ছেদ</translation>
    </message>
</context>
<context>
    <name>rtf_tool::Walk</name>
    <message>
        <source>the folder cannot be read (%1): the documents in it are not converted</source>
        <translation>ফোল্ডারটি পড়া যায় না (%1): এর ভেতরের নথিগুলো রূপান্তর করা হয়নি</translation>
    </message>
    <message>
        <source>the name is not valid UTF-8 and cannot be passed on: rename it to convert it</source>
        <translation>নামটি বৈধ UTF-8 নয় এবং একে পাঠানো যায় না: রূপান্তর করতে এর নাম বদলান</translation>
    </message>
    <message>
        <source>the folder could not be read to its end (%1): some documents in it may not be converted</source>
        <translation>ফোল্ডারটি শেষ পর্যন্ত পড়া যায়নি (%1): এর ভেতরের কিছু নথি হয়তো রূপান্তর করা হয়নি</translation>
    </message>
</context>
<context>
    <name>window::MainWindow</name>
    <message>
        <source>Form2</source>
        <extracomment>The window&apos;s name in the designer, shown until the start-up sets the caption.</extracomment>
        <translation>Form2</translation>
    </message>
    <message>
        <source>Combo2</source>
        <extracomment>The font list&apos;s name in the designer, its text until the start-up fills it.</extracomment>
        <translation>Combo2</translation>
    </message>
    <message>
        <source>Combo1</source>
        <extracomment>The size list&apos;s name in the designer, its text until the start-up fills it.</extracomment>
        <translation>Combo1</translation>
    </message>
    <message>
        <source> Options </source>
        <extracomment>The Options panel&apos;s frame; the blanks around the word are kept.</extracomment>
        <translation> বিকল্প </translation>
    </message>
    <message>
        <source>Extra large</source>
        <translation>অতি বড়</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ঠিক আছে</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>বড়</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>মাঝারি</translation>
    </message>
    <message>
        <source>Small</source>
        <translation>ছোট</translation>
    </message>
    <message>
        <source>Font size:</source>
        <translation>ফন্টের আকার:</translation>
    </message>
    <message>
        <source>Recovery copies of this document cannot be written. Save the document to keep it safe.

%1</source>
        <translation>এই নথির পুনরুদ্ধার-অনুলিপি লেখা যাচ্ছে না। নথিটি নিরাপদ রাখতে সংরক্ষণ করুন।

%1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ফাইল(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>নতুন(&amp;N)</translation>
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
        <source>&amp;Save As</source>
        <translation>অন্য নামে সংরক্ষণ(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>মুদ্রণ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>প্রস্থান(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>সম্পাদনা(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>পূর্বাবস্থায় ফেরান(&amp;U)</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>সরঞ্জাম</translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation>বিকল্প(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>সাহায্য(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>পরিচিতি(&amp;A)</translation>
    </message>
</context>
<context>
    <name>window::SpellingControls</name>
    <message>
        <source>Check Spelling As You &amp;Type</source>
        <translation>লেখার সময় বানান যাচাই(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Spelling…</source>
        <translation>বানান(&amp;S)…</translation>
    </message>
    <message>
        <source>Spelling Su&amp;ggestions</source>
        <translation>বানানের প্রস্তাব(&amp;G)</translation>
    </message>
    <message>
        <source>Looking for suggestions…</source>
        <translation>প্রস্তাব খোঁজা হচ্ছে…</translation>
    </message>
    <message>
        <source>(no suggestions)</source>
        <translation>(কোনো প্রস্তাব নেই)</translation>
    </message>
</context>
<context>
    <name>window::SpellingDialog</name>
    <message>
        <source>Spelling</source>
        <translation>বানান</translation>
    </message>
    <message>
        <source>Not in dictionary:</source>
        <translation>অভিধানে নেই:</translation>
    </message>
    <message>
        <source>Change to:</source>
        <translation>যাতে বদলাবেন:</translation>
    </message>
    <message>
        <source>Suggestions:</source>
        <translation>প্রস্তাব:</translation>
    </message>
    <message>
        <source>&amp;Change</source>
        <translation>বদলান(&amp;C)</translation>
    </message>
    <message>
        <source>Change A&amp;ll</source>
        <translation>সব বদলান(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Ignore</source>
        <translation>উপেক্ষা(&amp;I)</translation>
    </message>
    <message>
        <source>I&amp;gnore All</source>
        <translation>সব উপেক্ষা(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Add to Dictionary</source>
        <translation>অভিধানে যোগ(&amp;A)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>বন্ধ</translation>
    </message>
    <message>
        <source>Checking…</source>
        <translation>যাচাই হচ্ছে…</translation>
    </message>
    <message>
        <source>Not in the dictionary.</source>
        <translation>অভিধানে নেই।</translation>
    </message>
    <message>
        <source>The spelling check is complete.</source>
        <translation>বানান যাচাই শেষ হয়েছে।</translation>
    </message>
</context>
<context>
    <name>window_recovery</name>
    <message>
        <source>an unsaved document</source>
        <translation>একটি অসংরক্ষিত নথি</translation>
    </message>
    <message>
        <source>Restore the document you were writing when %1 last stopped without closing?

A recovery copy of %2 was kept (%3). No discards the copy.</source>
        <translation>গতবার %1 বন্ধ না করেই থেমে যাওয়ার সময় আপনি যে নথিটি লিখছিলেন, সেটি ফিরিয়ে আনবেন?

%2-এর একটি পুনরুদ্ধার-অনুলিপি রাখা হয়েছিল (%3)। &quot;না&quot; বাছলে অনুলিপিটি মুছে যাবে।</translation>
    </message>
</context>
</TS>
