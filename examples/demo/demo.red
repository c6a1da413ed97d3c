[Common]
*.ico = .\resources; %ROOT%\images; %ROOT%\icons
*.* = .
